#include "render/label_image.h"

#include <algorithm>
#include <new>
#include <vector>

#include "platform/gdi_objects.h"

HFONT NewLabelFont() {
    LOGFONTA font = {};
    font.lfHeight = -LABEL_FONT_HEIGHT;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpynA(font.lfFaceName, "MS UI Gothic", LF_FACESIZE);
    return NewFont(font);
}

static std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (text[i] == '\n' || text[i] == '\r')
            lines.emplace_back();
        else
            lines.back() += text[i];
    }
    return lines;
}

// Drawn black on white into a scratch picture of its own size; the ink is kept and the picture goes,
// so a label holds no GDI object.
static std::shared_ptr<const LabelPixels> MakeLabelPixels(const std::string& text) {
    if (text.empty())
        return nullptr;
    const OwnedMemoryDC dc(NewMemoryDC(nullptr));
    const OwnedFont font(NewLabelFont());
    if (!dc || !font)
        return nullptr;
    SelectedObject useFont(dc.get(), font.get());
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc.get(), &metrics);
    const std::vector<std::string> lines = LinesOf(text);
    int32_t width = 0;
    for (const std::string& line : lines) {
        SIZE size = {};
        GetTextExtentPoint32A(dc.get(), line.data(), int(line.size()), &size);
        width = std::max<int32_t>(width, size.cx);
    }
    const int32_t height = int32_t(lines.size()) * metrics.tmHeight;
    if (width <= 0 || height <= 0)
        return nullptr;
    uint32_t* pixels = nullptr;
    const OwnedBitmap scratch(NewPixelBitmap(dc.get(), width, height, &pixels));
    if (!scratch)
        return nullptr;
    SelectedObject useBitmap(dc.get(), scratch.get());
    PatBlt(dc.get(), 0, 0, width, height, WHITENESS);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(0, 0, 0));
    for (size_t i = 0; i < lines.size(); ++i)
        TextOutA(dc.get(), 0, int(i) * metrics.tmHeight, lines[i].data(), int(lines[i].size()));
    GdiFlush();
    // The label's size is that of its ink, from its corner: what a change of it damages.
    auto isInk = [&](int32_t x, int32_t y) {
        return (pixels[size_t(y) * size_t(width) + size_t(x)] & 0xFFFFFF) != 0xFFFFFF;
    };
    int32_t inkWidth = 0, inkHeight = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            if (isInk(x, y)) {
                inkWidth = std::max(inkWidth, x + 1);
                inkHeight = y + 1;
            }
    std::shared_ptr<LabelPixels> label;
    try {
        const int32_t stride = (inkWidth + 7) / 8;
        label = std::make_shared<LabelPixels>(LabelPixels{inkWidth, inkHeight, stride, {}});
        label->ink.assign(size_t(stride) * size_t(inkHeight), 0);
        for (int32_t y = 0; y < inkHeight; ++y)
            for (int32_t x = 0; x < inkWidth; ++x)
                if (isInk(x, y))
                    label->ink[size_t(y) * size_t(stride) + size_t(x >> 3)] |= uint8_t(0x80 >> (x & 7));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return label;
}

SymbolLabel MakeLabel(const std::string& text) {
    return LabelOf(text, MakeLabelPixels(text));
}
