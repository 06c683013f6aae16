#include "core/view_math.h"

#include <cstdio>

namespace {

int32_t Saturate(int64_t value) {
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

int64_t FloorDiv(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
        --quotient;
    return quotient;
}

}  // namespace

float ZoomFromPosition(int32_t position) {
    double p = position;  // -position would overflow for the smallest int
    if (p > 1)
        return static_cast<float>(p);
    if (p > -2)
        return 1.0f;
    return static_cast<float>(1.0 / -p);
}

void FormatZoomLabel(float zoomFactor, char* text, int size) {
    if (!text || size <= 0)
        return;
    std::snprintf(text, static_cast<size_t>(size), "%.2f", static_cast<double>(zoomFactor));
}

int32_t ZoomedLength(int32_t canvasLength, float zoomFactor) {
    // A single-precision product, as the presentation's stretch computes it: 500 * (1/3) is 166.
    float product = static_cast<float>(canvasLength) * zoomFactor;
    if (product != product)
        return 0;
    if (product >= 2147483648.0f)
        return INT32_MAX;
    if (product <= -2147483648.0f)
        return INT32_MIN;
    return static_cast<int32_t>(product);
}

ScrollAxis ScrollAxisFor(int32_t zoomedLength, int32_t clientLength) {
    int64_t maximum = zoomedLength < 0 ? 0 : zoomedLength;
    int64_t page = clientLength < 1 ? 1 : clientLength;
    if (page > maximum + 1)
        page = maximum + 1;
    ScrollAxis axis;
    axis.maximum = static_cast<int32_t>(maximum);
    axis.page = static_cast<int32_t>(page);
    axis.maxPos = LargestScrollPosition(axis.maximum, page);
    return axis;
}

int32_t LargestScrollPosition(int32_t maximum, int64_t page) {
    if (page < 1)
        page = 1;
    const int64_t largest = int64_t(maximum) - page + 1;
    return largest < 0 ? 0 : Saturate(largest);
}

int32_t ScrolledPosition(ScrollRequest request, int32_t pos, int32_t trackPos, int32_t maxPos) {
    int64_t distance;
    switch (request) {
        case ScrollRequest::LINE_BACK:
            distance = -1;
            break;
        case ScrollRequest::LINE_ON:
            distance = 1;
            break;
        case ScrollRequest::PAGE_BACK:
            distance = -10;
            break;
        case ScrollRequest::PAGE_ON:
            distance = 10;
            break;
        case ScrollRequest::THUMB_TRACK:
            distance = static_cast<int64_t>(trackPos) - pos;
            break;
        case ScrollRequest::TO_START:
            distance = -static_cast<int64_t>(pos);
            break;
        case ScrollRequest::TO_END:
            distance = static_cast<int64_t>(maxPos) - pos;
            break;
        default:  // the thumb let go, the end of scrolling and anything unknown
            distance = 0;
            break;
    }
    if (distance == 0)
        return pos;
    int64_t moved = pos + distance;
    if (moved < 0)
        moved = 0;
    if (moved > maxPos)
        moved = maxPos;
    return static_cast<int32_t>(moved);
}

int32_t CanvasFromClient(int32_t client, int32_t scroll, int32_t canvasLength, int32_t zoomedLength) {
    int64_t zoomed = static_cast<int64_t>(client) + scroll;
    if (zoomedLength <= 0 || canvasLength <= 0)
        return Saturate(zoomed);
    // |zoomed| <= 2^32 and canvasLength < 2^31, so the product stays inside 64 bits.
    return Saturate(FloorDiv(zoomed * canvasLength, zoomedLength));
}

int32_t ClientFromCanvas(int32_t canvas, int32_t scroll, int32_t canvasLength, int32_t zoomedLength) {
    if (zoomedLength <= 0 || canvasLength <= 0)
        return Saturate(int64_t(canvas) - scroll);
    return Saturate(FloorDiv(int64_t(canvas) * zoomedLength, canvasLength) - scroll);
}

int32_t CentringScroll(int32_t canvasPoint,
                       int32_t canvasLength,
                       int32_t zoomedLength,
                       int32_t clientLength,
                       int32_t maxPos) {
    const int64_t position = int64_t(ClientFromCanvas(canvasPoint, 0, canvasLength, zoomedLength)) - clientLength / 2;
    return int32_t(position < 0 ? 0 : position > maxPos ? maxPos : position);
}

int32_t CanvasFromThumbnail(int32_t offset, int32_t thumbnailLength, int32_t canvasLength) {
    if (thumbnailLength <= 0 || canvasLength <= 0)
        return 0;
    const int64_t inside = offset < 0 ? 0 : offset >= thumbnailLength ? thumbnailLength - 1 : offset;
    return int32_t((2 * inside + 1) * canvasLength / (2 * int64_t(thumbnailLength)));
}

int32_t WheelPixels(int32_t delta, int32_t linesPerNotch, int32_t lineLength, int32_t* rest) {
    constexpr int64_t NOTCH = 120;  // WHEEL_DELTA
    const int64_t total = int64_t(delta) * linesPerNotch * lineLength + *rest;
    const int64_t pixels = total / NOTCH;
    *rest = int32_t(total - pixels * NOTCH);
    return Saturate(pixels);
}

CanvasPoint ClientToCanvas(const CanvasView& view,
                           int32_t canvasWidth,
                           int32_t canvasHeight,
                           int32_t clientX,
                           int32_t clientY) {
    return {CanvasFromClient(clientX, view.scrollX, canvasWidth, ZoomedLength(canvasWidth, view.zoomFactor)),
            CanvasFromClient(clientY, view.scrollY, canvasHeight, ZoomedLength(canvasHeight, view.zoomFactor))};
}
