// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/step_gif.h"

#include "app/handout_sheet.h"

#include <QIODevice>
#include <QImage>

#include <gif_lib.h>

#include <algorithm>
#include <span>
#include <unordered_map>
#include <vector>

namespace {

// The picture with the step's cells hidden, then with one more of them shown,
// framed, at a time; all the same size, as their text is the same.
std::vector<QImage> StepFrames(const Picture& picture, int width)
{
    // a picture beside the form's has no form to find its step in: it brings its step as its marks
    const std::vector<int> added =
        picture.board ? std::vector<int>(picture.marked.begin(), picture.marked.end()) : StepCells(picture.form);
    std::vector<QImage> frames;
    for (std::size_t shown = 0; shown <= added.size(); ++shown) {
        const std::span<const int> marked(added.data(), shown);
        const std::span<const int> hidden(added.data() + shown, added.size() - shown);
        Picture frame = picture;
        frame.marked = marked;
        frame.hidden = hidden;
        frames.push_back(PictureImage(frame, width, true));
    }
    return frames;
}

// The colours of the animation, the most used first, and each pixel's index
// among them. The last frame holds every colour a frame before it does, but
// for the board where the step's cells are not drawn yet: the first frame.
class Palette {
public:
    Palette(const QImage& first, const QImage& last)
    {
        std::unordered_map<QRgb, long> counts;
        for (const QImage* frame : {&first, &last}) {
            for (int y = 0; y < frame->height(); ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(frame->constScanLine(y));
                for (int x = 0; x < frame->width(); ++x)
                    ++counts[line[x] & kRgb];
            }
        }
        std::vector<std::pair<QRgb, long>> byUse(counts.begin(), counts.end());
        std::sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) {
            return a.second != b.second ? a.second > b.second : a.first < b.first;
        });
        byUse.resize(std::min<std::size_t>(byUse.size(), 256));
        for (const auto& [colour, count] : byUse) {
            index_[colour] = static_cast<GifPixelType>(colours_.size());
            colours_.push_back(colour);
        }
    }

    const std::vector<QRgb>& colours() const { return colours_; }

    GifPixelType operator()(QRgb pixel)
    {
        pixel &= kRgb;
        const auto known = index_.find(pixel);
        return known != index_.end() ? known->second : (index_[pixel] = Nearest(pixel));
    }

private:
    static constexpr QRgb kRgb = 0xffffff;

    GifPixelType Nearest(QRgb pixel) const
    {
        const auto distance = [pixel](QRgb colour) {
            const int r = qRed(pixel) - qRed(colour), g = qGreen(pixel) - qGreen(colour),
                      b = qBlue(pixel) - qBlue(colour);
            return r * r + g * g + b * b;
        };
        return static_cast<GifPixelType>(
            std::min_element(colours_.begin(), colours_.end(),
                             [&](QRgb a, QRgb b) { return distance(a) < distance(b); }) -
            colours_.begin());
    }

    std::vector<QRgb> colours_;
    std::unordered_map<QRgb, GifPixelType> index_;
};

// The smallest box holding every pixel in which `after` differs from `before`;
// a single pixel when none does, as a frame must hold one.
QRect ChangedBox(const QImage& before, const QImage& after)
{
    QRect box;
    const auto width = static_cast<std::size_t>(after.width());
    for (int y = 0; y < after.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (std::equal(a, a + width, b))
            continue;
        const auto left = std::mismatch(a, a + width, b).first - a;
        const auto right = width - (std::mismatch(std::reverse_iterator(a + width), std::reverse_iterator(a),
                                                  std::reverse_iterator(b + width))
                                        .first -
                                    std::reverse_iterator(a + width));
        box |= QRect(static_cast<int>(left), y, static_cast<int>(right - left), 1);
    }
    return box.isEmpty() ? QRect(0, 0, 1, 1) : box;
}

int WriteToDevice(GifFileType* gif, const GifByteType* bytes, int length)
{
    return static_cast<int>(static_cast<QIODevice*>(gif->UserData)->write(reinterpret_cast<const char*>(bytes), length));
}

// Loops for ever: the application extension every browser and slide program reads.
bool PutLoop(GifFileType* gif)
{
    static const GifByteType kName[] = "NETSCAPE2.0";
    static const GifByteType kForEver[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, kName) == GIF_OK && EGifPutExtensionBlock(gif, 3, kForEver) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrame(GifFileType* gif, const QImage& image, const QRect& box, int delay, Palette& palette)
{
    GraphicsControlBlock timing{};
    timing.DisposalMode = DISPOSE_DO_NOT;  // each frame draws over the one before
    timing.DelayTime = delay;
    timing.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&timing, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK ||
        EGifPutImageDesc(gif, box.x(), box.y(), box.width(), box.height(), false, nullptr) != GIF_OK)
        return false;
    std::vector<GifPixelType> line(static_cast<std::size_t>(box.width()));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + box.x();
        std::transform(pixels, pixels + box.width(), line.begin(), [&](QRgb pixel) { return palette(pixel); });
        if (EGifPutLine(gif, line.data(), box.width()) != GIF_OK)
            return false;
    }
    return true;
}

}  // namespace

bool WriteStepGif(QIODevice& device, const Picture& picture, int width)
{
    const std::vector<QImage> frames = StepFrames(picture, width);
    Palette palette(frames.front(), frames.back());
    // a colour map's size is a power of two
    int size = 2;
    while (size < static_cast<int>(palette.colours().size()))
        size *= 2;
    std::vector<GifColorType> colours(static_cast<std::size_t>(size));
    std::transform(palette.colours().begin(), palette.colours().end(), colours.begin(), [](QRgb colour) {
        return GifColorType{static_cast<GifByteType>(qRed(colour)), static_cast<GifByteType>(qGreen(colour)),
                            static_cast<GifByteType>(qBlue(colour))};
    });
    int error = 0;
    GifFileType* gif = EGifOpen(&device, WriteToDevice, &error);
    if (gif == nullptr)
        return false;
    EGifSetGifVersion(gif, true);  // GIF89a, for the delays and the loop
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    bool written = map != nullptr &&
                   EGifPutScreenDesc(gif, frames.front().width(), frames.front().height(), 8, 0, map) == GIF_OK &&
                   PutLoop(gif);
    GifFreeMapObject(map);
    const int cells = static_cast<int>(frames.size()) - 1;
    for (int i = 0; written && i <= cells; ++i) {
        const int delay = i == 0 ? kGifBeforeStep : i == cells ? kGifAfterStep : std::max(2, kGifStepCells / cells);
        const QRect box = i == 0 ? frames[0].rect() : ChangedBox(frames[i - 1], frames[i]);
        written = PutFrame(gif, frames[i], box, delay, palette);
    }
    return EGifCloseFile(gif, &error) == GIF_OK && written;
}
