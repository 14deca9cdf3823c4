#pragma once

// One look on every desktop: Qt's Fusion style, which honours the palette
// colours the layout gives the controls.
void UseTessaloStyle();
