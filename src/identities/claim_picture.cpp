// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/claim_picture.h"

#include <algorithm>
#include <limits>

namespace {

PictureItem FrameOf(const PictureItem& cell)
{
    return StepFrameOf(cell.left, cell.top, cell.width, cell.height, cell.shape, cell.cell);
}

}  // namespace

BoardPicture MarkClaim(BoardPicture picture, long counted, const Fraction& claimed)
{
    if (!claimed.IsWhole())
        return picture;
    const long says = static_cast<long>(std::max(claimed.Numerator(), 0LL));
    std::vector<PictureItem> cells;
    double left = std::numeric_limits<double>::max();
    double right = 0;
    double bottom = 0;
    for (const PictureItem& item : picture.items) {
        // a cell in the board's own colour is drawn to explain, not counted
        if (item.kind != PictureItemKind::Cell || item.fill == picture.background)
            continue;
        cells.push_back(item);
        left = std::min(left, item.left);
        right = std::max(right, item.left + item.width);
        bottom = std::max(bottom, item.top + item.height);
    }
    if (cells.empty())
        return picture;
    // the cells the claim leaves out: the last ones drawn, as many as it misses
    for (long i = static_cast<long>(cells.size()) - 1, missed = counted - says; i >= 0 && missed > 0; --i, --missed)
        picture.items.push_back(FrameOf(cells[static_cast<std::size_t>(i)]));
    // the cells it adds, beneath the picture, a row as wide as the picture
    const PictureItem& pattern = cells.front();
    const long across = std::max(1L, static_cast<long>((right - left) / pattern.width));
    // a claim of thousands more shows as many rows as the picture has cells, and says the rest
    const long extras = std::min(says - counted, std::max(counted, 100L));
    for (long i = 0; i < extras; ++i) {
        PictureItem extra = pattern;
        extra.left = left + static_cast<double>(i % across) * pattern.width;
        extra.top = bottom + pattern.height / 2 + static_cast<double>(i / across) * pattern.height;
        extra.fill = picture.background;
        extra.cell = -1;
        picture.items.push_back(extra);
        picture.items.push_back(FrameOf(extra));
    }
    return picture;
}
