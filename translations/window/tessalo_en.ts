<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="bg_BG">
<context>
    <name>ArgumentPanel</name>
    <message>
        <source>Доказателство по индукция</source>
        <translation>Proof by induction</translation>
    </message>
    <message>
        <source>Броят, после Enter</source>
        <translation>The number, then Enter</translation>
    </message>
</context>
<context>
    <name>BoardExplorer</name>
    <message>
        <source>Дъската е празна, няма какво да се разглежда.</source>
        <translation>The board is empty; there is nothing to explore.</translation>
    </message>
</context>
<context>
    <name>BoardSurface</name>
    <message>
        <source>Нагледно доказателство</source>
        <translation>Proof in pictures</translation>
    </message>
</context>
<context>
    <name>ClaimDialog</name>
    <message>
        <source>Къде се чупи доказателството?</source>
        <translation>Where does the proof break?</translation>
    </message>
    <message>
        <source>Своето твърдение</source>
        <translation>The class&apos;s own claim</translation>
    </message>
    <message>
        <source>&amp;Провери</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Доказателство на твърдението</source>
        <translation>The claim&apos;s proof</translation>
    </message>
    <message>
        <source>Картината на твърдението</source>
        <translation>The claim&apos;s picture</translation>
    </message>
    <message>
        <source>&amp;Твърдение</source>
        <translation>&amp;Claim</translation>
    </message>
    <message>
        <source>&amp;Дясна страна, в n</source>
        <translation>&amp;Right side, in n</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tessalo: --claim или --broken, не двете. / --claim or --broken, not both.
</source>
        <translation>tessalo: --claim or --broken, not both.
</translation>
    </message>
    <message>
        <source>tessalo: за това тъждество n е от 1 до %1. / for this identity n is from 1 to %1.
</source>
        <translation>tessalo: for this identity n is from 1 to %1.
</translation>
    </message>
    <message>
        <source>tessalo: --a и --d са за --kind 8. / --a and --d go with --kind 8.
</source>
        <translation>tessalo: --a and --d go with --kind 8.
</translation>
    </message>
    <message>
        <source>невярното твърдение</source>
        <translation>the false claim</translation>
    </message>
    <message>
        <source>Проверява N-тото невярно твърдение за тъждеството, както --claim.</source>
        <translation>Checks the identity&apos;s N-th false claim, as --claim does.</translation>
    </message>
    <message>
        <source>--claim ФОРМУЛА</source>
        <translation>--claim FORMULA</translation>
    </message>
    <message>
        <source>формула</source>
        <translation>formula</translation>
    </message>
    <message>
        <source>Проверява дясна страна за сбора на тъждеството, както доказателството по индукция: основата, стъпката и къде се чупи (напр. &quot;3n-2&quot;).</source>
        <translation>Checks a right-hand side for the identity&apos;s sum as the proof by induction does: the base, the step and where it breaks (e.g. &quot;3n-2&quot;).</translation>
    </message>
    <message>
        <source>С --kind 8: разликата, от 1 до 5 (иначе 1).</source>
        <translation>With --kind 8: the difference, 1 to 5 (else 1).</translation>
    </message>
    <message>
        <source>С --kind 8: първият член, от 1 до 5 (иначе 1).</source>
        <translation>With --kind 8: the first term, 1 to 5 (else 1).</translation>
    </message>
    <message>
        <source>tessalo: няма брайловите таблици на liblouis (инсталирайте liblouis-data); нищо не е записано. / liblouis&apos;s braille tables are missing (install liblouis-data); nothing was written.
</source>
        <translation>tessalo: liblouis&apos;s braille tables are missing (install liblouis-data); nothing was written.
</translation>
    </message>
    <message>
        <source>tessalo: --tactile е за --export ФАЙЛ.pdf или .svg. / --tactile goes with --export FILE.pdf or .svg.
</source>
        <translation>tessalo: --tactile goes with --export FILE.pdf or .svg.
</translation>
    </message>
    <message>
        <source>tessalo: --paper е за --tactile. / --paper goes with --tactile.
</source>
        <translation>tessalo: --paper goes with --tactile.
</translation>
    </message>
    <message>
        <source>tessalo: --paper е a4 или letter, не „%1“. / --paper takes a4 or letter, not &apos;%1&apos;.
</source>
        <translation>tessalo: --paper takes a4 or letter, not &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>--paper ХАРТИЯ</source>
        <translation>--paper PAPER</translation>
    </message>
    <message>
        <source>хартия</source>
        <translation>paper</translation>
    </message>
    <message>
        <source>С --tactile: a4 (подразбира се) или letter.</source>
        <translation>With --tactile: a4 (the default) or letter.</translation>
    </message>
    <message>
        <source>С --export: релефен лист на картината с брайл, за подуваща се хартия или брайлов принтер (.pdf или .svg).</source>
        <translation>With --export: a tactile sheet of the picture with braille, for swell paper or a braille embosser (.pdf or .svg).</translation>
    </message>
    <message>
        <source>tessalo: „%1“ не беше записан: %2. / cannot write &apos;%1&apos;: %3.
</source>
        <translation>tessalo: cannot write &apos;%1&apos;: %3.
</translation>
    </message>
    <message>
        <source>tessalo: стандартният изход не беше записан: %1. / cannot write standard output: %2.
</source>
        <translation>tessalo: cannot write standard output: %2.
</translation>
    </message>
    <message>
        <source>tessalo: няма шрифт с кирилица; буквите ще са квадратчета (инсталирайте например fonts-liberation). / no font with Cyrillic letters is installed; letters will show as boxes (install e.g. fonts-liberation).
</source>
        <translation>tessalo: no font with Cyrillic letters is installed; letters will show as boxes (install e.g. fonts-liberation).
</translation>
    </message>
    <message>
        <source>Вижте „tessalo --help“. / See &apos;tessalo --help&apos;.
</source>
        <translation>See &apos;tessalo --help&apos;.
</translation>
    </message>
    <message>
        <source>Употреба: tessalo [опции]
Математическа индукция, показана с цветни квадрати и кръгове.

Опции:
</source>
        <translation>Usage: tessalo [options]
Mathematical induction, shown with coloured squares and circles.

Options:
</translation>
    </message>
    <message>
        <source>
Без прозорец: tessalo --kind 4 --n 11 --export картина.svg

Клавиши в прозореца:
</source>
        <translation>
Without a window: tessalo --kind 4 --n 11 --export picture.svg

Keys in the window:
</translation>
    </message>
    <message>
        <source>след „%1“ липсва стойност.</source>
        <translation>a value is missing after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>„%1“ не приема стойност.</source>
        <translation>&apos;%1&apos; takes no value.</translation>
    </message>
    <message>
        <source>грешка в аргументите.</source>
        <translation>error in the arguments.</translation>
    </message>
    <message>
        <source>tessalo: %1 е цяло число от %3 до %4, не „%5“. / --%2 takes a whole number from %3 to %4, not &apos;%5&apos;.
</source>
        <translation>tessalo: --%2 takes a whole number from %3 to %4, not &apos;%5&apos;.
</translation>
    </message>
    <message>
        <source>тъждеството</source>
        <translation>the identity</translation>
    </message>
    <message>
        <source>ширината</source>
        <translation>the width</translation>
    </message>
    <message>
        <source>tessalo: непознат език „%1“; позволени са %2. / unknown language &apos;%1&apos;; allowed are %2.
</source>
        <translation>tessalo: unknown language &apos;%1&apos;; use one of %2.
</translation>
    </message>
    <message>
        <source>tessalo: името „%1“ не е в UTF-8 и не може да бъде използвано; преименувайте файла или папката. / the name &apos;%1&apos; is not in UTF-8 and cannot be used; rename the file or folder.
</source>
        <translation>tessalo: the name &apos;%1&apos; is not in UTF-8 and cannot be used; rename the file or folder.
</translation>
    </message>
    <message>
        <source>tessalo: „%1“: непознат вид файл; позволени са .svg, .png, .pdf, .gif, .wav и .brf. / &apos;%1&apos;: unknown file type; allowed are .svg, .png, .pdf, .gif, .wav and .brf.
</source>
        <translation>tessalo: &apos;%1&apos;: unknown file type; allowed are .svg, .png, .pdf, .gif, .wav and .brf.
</translation>
    </message>
    <message>
        <source>tessalo: --width е само за PNG и GIF (--export ФАЙЛ.png). / --width is for PNG and GIF only (--export FILE.png).
</source>
        <translation>tessalo: --width is for PNG and GIF only (--export FILE.png).
</translation>
    </message>
    <message>
        <source>tessalo: кое тъждество? Добавете --kind от 1 до 11. / which identity? Add --kind from 1 to 11.
</source>
        <translation>tessalo: which identity? Add --kind from 1 to 11.
</translation>
    </message>
    <message>
        <source>tessalo: --worksheet и --answers са за --export ФАЙЛ.pdf. / --worksheet and --answers go with --export FILE.pdf.
</source>
        <translation>tessalo: --worksheet and --answers go with --export FILE.pdf.
</translation>
    </message>
    <message>
        <source>tessalo: --strip е за --export ФАЙЛ.pdf или .svg. / --strip goes with --export FILE.pdf or .svg.
</source>
        <translation>tessalo: --strip goes with --export FILE.pdf or .svg.
</translation>
    </message>
    <message>
        <source>tessalo: --with-argument е за --export и --series. / --with-argument goes with --export or --series.
</source>
        <translation>tessalo: --with-argument goes with --export or --series.
</translation>
    </message>
    <message>
        <source>tessalo: кое n? Добавете --n от 1 до %1. / which n? Add --n from 1 to %1.
</source>
        <translation>tessalo: which n? Add --n from 1 to %1.
</translation>
    </message>
    <message>
        <source>Показва тази помощ и излиза.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Показва версията и излиза.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <source>Отваря прозореца на цял екран.</source>
        <translation>Opens the window full screen.</translation>
    </message>
    <message>
        <source>Мащаб в проценти, от 100 до 400 (напр. 150).</source>
        <translation>Zoom in percent, from 100 to 400 (e.g. 150).</translation>
    </message>
    <message>
        <source>проценти</source>
        <translation>percent</translation>
    </message>
    <message>
        <source>--zoom ПРОЦЕНТИ</source>
        <translation>--zoom PERCENT</translation>
    </message>
    <message>
        <source>Тъждество от 1 до 6, по реда в прозореца (без --export прозорецът се отваря на него), или от 7 до 11: 2 + 4 + … + 2n, a + (a + d) + …, 1 + 2 + 4 + … + 2ⁿ⁻¹, кубовете, квадратите.</source>
        <translation>The identity: 1 to 6 in the window&apos;s order (without --export, the window opens showing it), or 7 to 11: 2 + 4 + … + 2n, a + (a + d) + …, 1 + 2 + 4 + … + 2ⁿ⁻¹, the cubes, the squares.</translation>
    </message>
    <message>
        <source>вид</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>--kind ВИД</source>
        <translation>--kind KIND</translation>
    </message>
    <message>
        <source>n от 1 до 11.</source>
        <translation>n from 1 to 11.</translation>
    </message>
    <message>
        <source>Записва картината без прозорец: .svg, .png или .pdf; .gif е стъпката до n като анимация, .wav е картината като звук, .brf е доказателството на брайл.</source>
        <translation>Saves the picture without a window: .svg, .png or .pdf; .gif is the step to n as an animation, .wav the picture as sound, .brf the proof in braille.</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>--export ФАЙЛ</source>
        <translation>--export FILE</translation>
    </message>
    <message>
        <source>Ширина на PNG или GIF картината в пиксели (%1 до %2, иначе %3).</source>
        <translation>Width of the PNG or GIF picture in pixels (%1 to %2; default %3).</translation>
    </message>
    <message>
        <source>пиксели</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>--width ПИКСЕЛИ</source>
        <translation>--width PIXELS</translation>
    </message>
    <message>
        <source>Извежда текста на доказателството.</source>
        <translation>Prints the proof text.</translation>
    </message>
    <message>
        <source>Извежда доказателството по индукция.</source>
        <translation>Prints the proof by induction.</translation>
    </message>
    <message>
        <source>С --export: работен лист за стъпката до n (.pdf).</source>
        <translation>With --export: a worksheet for the step to n (.pdf).</translation>
    </message>
    <message>
        <source>С --worksheet: листът с отговорите.</source>
        <translation>With --worksheet: the answer sheet.</translation>
    </message>
    <message>
        <source>С --export: стъпките до n една до друга на лист A4 (.pdf или .svg).</source>
        <translation>With --export: the steps to n side by side on an A4 page (.pdf or .svg).</translation>
    </message>
    <message>
        <source>С --export и --series: доказателството по индукция под картината.</source>
        <translation>With --export and --series: the proof by induction below the picture.</translation>
    </message>
    <message>
        <source>език</source>
        <translation>language</translation>
    </message>
    <message>
        <source>--lang ЕЗИК</source>
        <translation>--lang LANGUAGE</translation>
    </message>
    <message>
        <source>Записва картините за n от 1 до 11 в папката (kind-ВИД-n-01.svg ...), с рамки около клетките, които добавя всяка стъпка.</source>
        <translation>Saves the pictures for n from 1 to 11 in the folder (kind-KIND-n-01.svg ...), with frames around the cells each step adds.</translation>
    </message>
    <message>
        <source>папка</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>--series ПАПКА</source>
        <translation>--series FOLDER</translation>
    </message>
    <message>
        <source>tessalo: --look е handout или window, не „%1“. / --look takes handout or window, not &apos;%1&apos;.
</source>
        <translation>tessalo: --look takes handout or window, not &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>tessalo: --format е svg, png, pdf, gif, wav или brf, не „%1“. / --format takes svg, png, pdf, gif, wav or brf, not &apos;%1&apos;.
</source>
        <translation>tessalo: --format takes svg, png, pdf, gif, wav or brf, not &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>tessalo: --format е за --series. / --format goes with --series.
</source>
        <translation>tessalo: --format goes with --series.
</translation>
    </message>
    <message>
        <source>С --series: svg (подразбира се), png, pdf, gif (всяка стъпка като анимация) или wav (като звук).</source>
        <translation>With --series: svg (the default), png, pdf, gif (each step animated) or wav (as sound).</translation>
    </message>
    <message>
        <source>--format ВИД</source>
        <translation>--format TYPE</translation>
    </message>
    <message>
        <source>С --export и --series: handout (подразбира се: клетките на бяло, със заглавие; PDF на лист A4) или window (както в прозореца).</source>
        <translation>With --export and --series: handout (the default: the cells on white, with a title; PDF on an A4 page) or window (as in the window).</translation>
    </message>
    <message>
        <source>--look ВИД</source>
        <translation>--look LOOK</translation>
    </message>
    <message>
        <source>tessalo: непозната опция „%1“. / unknown option &apos;%1&apos;.
</source>
        <translation>tessalo: unknown option &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>tessalo: %1 / %2
</source>
        <translation>tessalo: %1
</translation>
    </message>
    <message>
        <source>tessalo: неочакван аргумент „%1“. / unexpected argument &apos;%1&apos;.
</source>
        <translation>tessalo: unexpected argument &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>мащабът</source>
        <translation>the zoom</translation>
    </message>
    <message>
        <source>tessalo: настройките не бяха записани в „%1“: %2. / settings not saved to &apos;%1&apos;: %3.
</source>
        <translation>tessalo: settings not saved to &apos;%1&apos;: %3.
</translation>
    </message>
    <message>
        <source>tessalo: няма връзка с графичен дисплей (задайте DISPLAY или WAYLAND_DISPLAY). / tessalo: cannot connect to a display (set DISPLAY or WAYLAND_DISPLAY).
</source>
        <translation>tessalo: cannot connect to a display (set DISPLAY or WAYLAND_DISPLAY).
</translation>
    </message>
    <message>
        <source>tessalo: окното беше унищожено от друга програма. / the window was destroyed by another program.
</source>
        <translation>tessalo: the window was destroyed by another program.
</translation>
    </message>
    <message>
        <source>tessalo: прозорецът не може да бъде зареден / cannot load the window: %1
</source>
        <translation>tessalo: cannot load the window: %1
</translation>
    </message>
    <message>
        <source>Езикът на прозореца и на --text, --argument, --export и --series: %1 (подразбира се bg).</source>
        <translation>The language of the window and of --text, --argument, --export and --series: %1 (bg is the default).</translation>
    </message>
    <message>
        <source>tessalo: --%1 без име на файл или папка. / --%1 without a file or folder name.
</source>
        <translation>tessalo: --%1 without a file or folder name.
</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Доказателство</source>
        <translation>Proof</translation>
    </message>
    <message>
        <source>Цитат</source>
        <translation>Quotation</translation>
    </message>
    <message>
        <source>Текстът е копиран.</source>
        <translation>The text is copied.</translation>
    </message>
    <message>
        <source>На цял екран размерът следва екрана.</source>
        <translation>In full screen the size follows the screen.</translation>
    </message>
    <message>
        <source>Мащаб %1 процента.</source>
        <translation>Zoom %1 percent.</translation>
    </message>
    <message>
        <source>Цял екран.</source>
        <translation>Full screen.</translation>
    </message>
    <message>
        <source>Излязохте от цял екран.</source>
        <translation>Full screen off.</translation>
    </message>
    <message>
        <source>n е %1</source>
        <translation>n is %1</translation>
    </message>
    <message>
        <source>n не е избрано</source>
        <translation>n is not chosen</translation>
    </message>
</context>
<context>
    <name>PictureActions</name>
    <message>
        <source>Доказателството на брайл</source>
        <translation>The proof in braille</translation>
    </message>
    <message>
        <source>Релефен лист</source>
        <translation>Tactile sheet</translation>
    </message>
    <message>
        <source>Брайлът не може да бъде направен: липсват брайловите таблици на liblouis. Инсталирайте пакета liblouis-data.</source>
        <translation>Braille cannot be made: liblouis&apos;s braille tables are missing. Install the package liblouis-data.</translation>
    </message>
    <message>
        <source>Няма брайл</source>
        <translation>No braille</translation>
    </message>
    <message>
        <source>Брайлов файл BRF (*.brf)</source>
        <translation>Braille file BRF (*.brf)</translation>
    </message>
    <message>
        <source>Релефен лист SVG (*.svg)</source>
        <translation>Tactile sheet SVG (*.svg)</translation>
    </message>
    <message>
        <source>Релефен лист PDF (*.pdf)</source>
        <translation>Tactile sheet PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Векторна картина SVG (*.svg)</source>
        <translation>SVG vector picture (*.svg)</translation>
    </message>
    <message>
        <source>Картина PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Документ PDF, лист A4 (*.pdf)</source>
        <translation>PDF document, A4 page (*.pdf)</translation>
    </message>
    <message>
        <source>Както на екрана: картина SVG (*.svg)</source>
        <translation>As on the screen: SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Както на екрана: картина PNG (*.png)</source>
        <translation>As on the screen: PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Както на екрана: документ PDF (*.pdf)</source>
        <translation>As on the screen: PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Стъпката като анимация GIF (*.gif)</source>
        <translation>The step as a GIF animation (*.gif)</translation>
    </message>
    <message>
        <source>Картината като звук WAV (*.wav)</source>
        <translation>The picture as sound, WAV (*.wav)</translation>
    </message>
    <message>
        <source>Лист със стъпките</source>
        <translation>Sheet of the steps</translation>
    </message>
    <message>
        <source>Работен лист</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Отговори към работния лист</source>
        <translation>Worksheet answers</translation>
    </message>
    <message>
        <source>Запазване на картината</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Папка:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Име на файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Вид на файла:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Запази</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отказ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Няма картина</source>
        <translation>No picture</translation>
    </message>
    <message>
        <source>Дъската е празна: изберете n и натиснете „Изведи“.</source>
        <translation>The board is empty: choose n and press Show.</translation>
    </message>
    <message>
        <source>Ширина на картината</source>
        <translation>Picture width</translation>
    </message>
    <message>
        <source>Ширина в пиксели:</source>
        <translation>Width in pixels:</translation>
    </message>
    <message>
        <source>Картината не е запазена</source>
        <translation>The picture was not saved</translation>
    </message>
    <message>
        <source>Файлът „%1“ не беше запазен: %2.

(%3)</source>
        <translation>The file &apos;%1&apos; was not saved.

(%3)</translation>
    </message>
    <message>
        <source>Печат на картината</source>
        <translation>Print the picture</translation>
    </message>
    <message>
        <source>Печатът не започна</source>
        <translation>Printing did not start</translation>
    </message>
    <message>
        <source>Принтерът не прие картината.</source>
        <translation>The printer did not accept the picture.</translation>
    </message>
    <message>
        <source>Картината не е отпечатана</source>
        <translation>The picture was not printed</translation>
    </message>
    <message>
        <source>Няма релефен лист</source>
        <translation>No tactile sheet</translation>
    </message>
</context>
<context>
    <name>ProgressionDialog</name>
    <message>
        <source>Аритметична прогресия</source>
        <translation>Arithmetic progression</translation>
    </message>
    <message>
        <source>&amp;Първи член a, от 1 до 5</source>
        <translation>&amp;First term a, from 1 to 5</translation>
    </message>
    <message>
        <source>&amp;Разлика d, от 1 до 5</source>
        <translation>&amp;Difference d, from 1 to 5</translation>
    </message>
</context>
</TS>
