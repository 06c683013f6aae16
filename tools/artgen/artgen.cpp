// artgen: draws every picture that Nexadraw ships and writes it into the
// repository: the tool and cable buttons, the missing-picture placeholder,
// the delete cursor, the program icon and the default symbol library.
//
//   g++ -std=c++17 -O2 tools/artgen/artgen.cpp -o /tmp/artgen
//   /tmp/artgen <repo root>
//
// Output is byte-for-byte the same on every run: no clocks, no randomness.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double PI = 3.14159265358979323846;

// ---------------------------------------------------------------- colour

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb rgb(int r, int g, int b) {
    return Rgb{double(r), double(g), double(b)};
}

Rgb mix(Rgb a, Rgb b, double t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb lighter(Rgb c, double t) {
    return mix(c, rgb(255, 255, 255), t);
}
Rgb darker(Rgb c, double t) {
    return mix(c, rgb(0, 0, 0), t);
}

double clamp01(double t) {
    return t < 0 ? 0 : (t > 1 ? 1 : t);
}

uint8_t toByte(double v) {
    long n = std::lround(v);
    return uint8_t(n < 0 ? 0 : (n > 255 ? 255 : n));
}

using Paint = std::function<Rgb(double, double)>;

Paint solid(Rgb c) {
    return [c](double, double) { return c; };
}

Paint vgrad(double y0, Rgb c0, double y1, Rgb c1) {
    return [=](double, double y) { return mix(c0, c1, clamp01((y - y0) / (y1 - y0))); };
}

Paint hgrad(double x0, Rgb c0, double x1, Rgb c1) {
    return [=](double x, double) { return mix(c0, c1, clamp01((x - x0) / (x1 - x0))); };
}

// Light spot at (cx, cy) fading to c1 at distance r.
Paint radial(double cx, double cy, double r, Rgb c0, Rgb c1) {
    return [=](double x, double y) { return mix(c0, c1, clamp01(std::hypot(x - cx, y - cy) / r)); };
}

// ---------------------------------------------------------------- shapes

struct P {
    double x, y;
};

// Inside test in picture pixels (continuous, y down) plus a bounding box
// that keeps the fills cheap.
struct Shape {
    std::function<bool(double, double)> in;
    double x0, y0, x1, y1;
};

Shape rect(double x0, double y0, double x1, double y1) {
    return {[=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, x0, y0, x1, y1};
}

Shape ellipse(double cx, double cy, double rx, double ry) {
    return {[=](double x, double y) {
                double u = (x - cx) / rx, v = (y - cy) / ry;
                return u * u + v * v <= 1.0;
            },
            cx - rx, cy - ry, cx + rx, cy + ry};
}

Shape circle(double cx, double cy, double r) {
    return ellipse(cx, cy, r, r);
}

Shape roundRect(double x0, double y0, double x1, double y1, double r) {
    return {[=](double x, double y) {
                if (x < x0 || x >= x1 || y < y0 || y >= y1)
                    return false;
                double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
                return std::hypot(x - cx, y - cy) <= r;
            },
            x0, y0, x1, y1};
}

Shape polygon(std::vector<P> pts) {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const P& p : pts) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    return {[pts](double x, double y) {
                bool inside = false;
                for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                    const P &a = pts[i], &b = pts[j];
                    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                        inside = !inside;
                }
                return inside;
            },
            x0, y0, x1, y1};
}

// A stroke of width w from a to b with round ends.
Shape segment(P a, P b, double w) {
    double h = w / 2;
    return {[=](double x, double y) {
                double dx = b.x - a.x, dy = b.y - a.y;
                double len2 = dx * dx + dy * dy;
                double t = len2 > 0 ? clamp01(((x - a.x) * dx + (y - a.y) * dy) / len2) : 0;
                return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy)) <= h;
            },
            std::min(a.x, b.x) - h, std::min(a.y, b.y) - h, std::max(a.x, b.x) + h, std::max(a.y, b.y) + h};
}

// Part of a circular ring between the angles a0 and a1 (degrees, y down,
// so -90 is straight up).
Shape arc(double cx, double cy, double r, double w, double a0, double a1) {
    double h = w / 2;
    return {[=](double x, double y) {
                double d = std::hypot(x - cx, y - cy);
                if (d < r - h || d > r + h)
                    return false;
                double a = std::atan2(y - cy, x - cx) * 180.0 / PI;
                while (a < a0)
                    a += 360;
                while (a >= a0 + 360)
                    a -= 360;
                return a <= a1;
            },
            cx - r - h, cy - r - h, cx + r + h, cy + r + h};
}

Shape unite(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.in(x, y) || b.in(x, y); }, std::min(a.x0, b.x0), std::min(a.y0, b.y0),
            std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Shape unite(const std::vector<Shape>& parts) {
    Shape s = parts[0];
    for (size_t i = 1; i < parts.size(); ++i)
        s = unite(s, parts[i]);
    return s;
}

Shape minus(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.in(x, y) && !b.in(x, y); }, a.x0, a.y0, a.x1, a.y1};
}

Shape clip(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.in(x, y) && b.in(x, y); }, std::max(a.x0, b.x0), std::max(a.y0, b.y0),
            std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

// A shape drawn in its own (u, v) space and laid onto the parallelogram
// o + u * e1 + v * e2: used for markings on slanted faces and ellipses.
Shape mapped(const Shape& s, P o, P e1, P e2) {
    double det = e1.x * e2.y - e1.y * e2.x;
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (double u : {s.x0, s.x1})
        for (double v : {s.y0, s.y1}) {
            double x = o.x + u * e1.x + v * e2.x, y = o.y + u * e1.y + v * e2.y;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    return {[=](double x, double y) {
                double dx = x - o.x, dy = y - o.y;
                double u = (dx * e2.y - dy * e2.x) / det, v = (e1.x * dy - e1.y * dx) / det;
                return s.in(u, v);
            },
            x0, y0, x1, y1};
}

// Arrow from a to b (the head at b).
Shape arrow(P a, P b, double shaft, double head, double headLen) {
    double len = std::hypot(b.x - a.x, b.y - a.y);
    P d{(b.x - a.x) / len, (b.y - a.y) / len}, n{-d.y, d.x};
    P base{b.x - d.x * headLen, b.y - d.y * headLen};
    auto at = [&](P p, double k) { return P{p.x + n.x * k, p.y + n.y * k}; };
    return polygon({at(a, shaft / 2), at(base, shaft / 2), at(base, head / 2), b, at(base, -head / 2),
                    at(base, -shaft / 2), at(a, -shaft / 2)});
}

// ---------------------------------------------------------------- surfaces

struct Image {
    int w = 0, h = 0;
    std::vector<uint8_t> r, g, b, a;  // a: 0 transparent .. 255 opaque
};

enum class Edge {
    Opaque,  // every pixel opaque; unpainted parts take the background
    Hard,    // a pixel is opaque when at least half of it is painted
    Soft,    // alpha follows the painted share
};

// Drawing surface with ss x ss samples per pixel, so that edges inside a
// picture come out smooth. Samples remember whether anything painted them.
class Surface {
  public:
    Surface(int w, int h, int ss) : w_(w), h_(h), ss_(ss), col_(size_t(w * ss) * (h * ss)), set_(col_.size(), 0) {}

    void fill(const Shape& s, const Paint& paint, double opacity = 1.0) {
        int sx0 = std::max(0, int(std::floor(s.x0 * ss_)) - 1), sy0 = std::max(0, int(std::floor(s.y0 * ss_)) - 1);
        int sx1 = std::min(w_ * ss_, int(std::ceil(s.x1 * ss_)) + 1);
        int sy1 = std::min(h_ * ss_, int(std::ceil(s.y1 * ss_)) + 1);
        for (int sy = sy0; sy < sy1; ++sy)
            for (int sx = sx0; sx < sx1; ++sx) {
                double x = (sx + 0.5) / ss_, y = (sy + 0.5) / ss_;
                if (!s.in(x, y))
                    continue;
                size_t i = size_t(sy) * (w_ * ss_) + sx;
                if (opacity >= 1.0) {
                    col_[i] = paint(x, y);
                    set_[i] = 1;
                } else if (set_[i]) {
                    // Translucent paint only tints what is already there.
                    col_[i] = mix(col_[i], paint(x, y), opacity);
                }
            }
    }
    void fill(const Shape& s, Rgb c, double opacity = 1.0) { fill(s, solid(c), opacity); }

    // Whole pixels, exact at any sampling rate: for the pixel font and
    // pixel-art pictures.
    void pixel(int x, int y, Rgb c) { fill(rect(x, y, x + 1, y + 1), c); }

    // Tints the painted area within width pixels of its silhouette, which
    // keeps a picture readable on white and on grey.
    void outline(Rgb c, double strength, double width = 1.0) {
        int W = w_ * ss_, H = h_ * ss_;
        double reach = width * ss_;
        int R = int(std::ceil(reach));
        std::vector<uint8_t> edge(set_.size(), 0);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                if (!set_[size_t(y) * W + x])
                    continue;
                bool near = false;
                for (int dy = -R; dy <= R && !near; ++dy)
                    for (int dx = -R; dx <= R && !near; ++dx) {
                        if (dx * dx + dy * dy > reach * reach)
                            continue;
                        int nx = x + dx, ny = y + dy;
                        near = nx < 0 || ny < 0 || nx >= W || ny >= H || !set_[size_t(ny) * W + nx];
                    }
                edge[size_t(y) * W + x] = near;
            }
        for (size_t i = 0; i < set_.size(); ++i)
            if (edge[i])
                col_[i] = mix(col_[i], c, strength);
    }

    // Lays the painted samples of another surface of the same size on top.
    void over(const Surface& top) {
        for (size_t i = 0; i < set_.size(); ++i)
            if (top.set_[i])
                col_[i] = top.col_[i], set_[i] = 1;
    }

    Image resolve(Edge edge, Rgb background = rgb(255, 255, 255)) const {
        Image im;
        im.w = w_, im.h = h_;
        int n = ss_ * ss_;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                Rgb sum;
                int count = 0;
                for (int j = 0; j < ss_; ++j)
                    for (int i = 0; i < ss_; ++i) {
                        size_t k = size_t(y * ss_ + j) * (w_ * ss_) + (x * ss_ + i);
                        if (!set_[k])
                            continue;
                        sum.r += col_[k].r, sum.g += col_[k].g, sum.b += col_[k].b;
                        ++count;
                    }
                Rgb c;
                uint8_t a;
                if (edge == Edge::Opaque) {
                    int rest = n - count;
                    c = Rgb{(sum.r + rest * background.r) / n, (sum.g + rest * background.g) / n,
                            (sum.b + rest * background.b) / n};
                    a = 255;
                } else {
                    if (count)
                        c = Rgb{sum.r / count, sum.g / count, sum.b / count};
                    a = edge == Edge::Hard ? (2 * count >= n ? 255 : 0) : toByte(255.0 * count / n);
                }
                im.r.push_back(toByte(c.r)), im.g.push_back(toByte(c.g)), im.b.push_back(toByte(c.b));
                im.a.push_back(a);
            }
        return im;
    }

    int width() const { return w_; }
    int height() const { return h_; }
    int samples() const { return ss_; }

  private:
    int w_, h_, ss_;
    std::vector<Rgb> col_;
    std::vector<uint8_t> set_;
};

// ---------------------------------------------------------------- files

void put16(std::vector<uint8_t>& v, unsigned x) {
    v.push_back(uint8_t(x)), v.push_back(uint8_t(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(uint8_t(x >> (8 * i)));
}

void save(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f) {
        std::cerr << "artgen: cannot write " << path << "\n";
        std::exit(1);
    }
}

// Transparent pixels become the library's mask colour.
const uint8_t KEY_R = 255, KEY_G = 0, KEY_B = 255;

// 24-bit BI_RGB, bottom-up, rows padded to 4 bytes.
void writeBmp(const fs::path& path, const Image& im) {
    uint32_t stride = (uint32_t(im.w) * 3 + 3) & ~3u;
    uint32_t imageSize = stride * uint32_t(im.h);
    std::vector<uint8_t> v;
    v.push_back('B'), v.push_back('M');
    put32(v, 54 + imageSize);
    put32(v, 0);
    put32(v, 54);
    put32(v, 40);
    put32(v, uint32_t(im.w));
    put32(v, uint32_t(im.h));
    put16(v, 1);
    put16(v, 24);
    put32(v, 0);  // BI_RGB
    put32(v, imageSize);
    put32(v, 2835);  // 72 dpi
    put32(v, 2835);
    put32(v, 0);
    put32(v, 0);
    for (int y = im.h - 1; y >= 0; --y) {
        size_t start = v.size();
        for (int x = 0; x < im.w; ++x) {
            size_t i = size_t(y) * im.w + x;
            if (im.a[i] < 128) {
                v.push_back(KEY_B), v.push_back(KEY_G), v.push_back(KEY_R);
                continue;
            }
            uint8_t r = im.r[i], g = im.g[i], b = im.b[i];
            // A drawn pixel must never read as transparent.
            if (r == KEY_R && g == KEY_G && b == KEY_B)
                r = 254, b = 254;
            v.push_back(b), v.push_back(g), v.push_back(r);
        }
        while (v.size() - start < stride)
            v.push_back(0);
    }
    save(path, v);
}

// One 32-bit image of an icon or cursor file: header, BGRA pixels and the
// AND mask, both bottom-up.
std::vector<uint8_t> iconImage(const Image& im) {
    uint32_t maskStride = ((uint32_t(im.w) + 31) / 32) * 4;
    std::vector<uint8_t> v;
    put32(v, 40);
    put32(v, uint32_t(im.w));
    put32(v, uint32_t(im.h) * 2);
    put16(v, 1);
    put16(v, 32);
    put32(v, 0);
    put32(v, uint32_t(im.w * im.h * 4) + maskStride * uint32_t(im.h));
    put32(v, 0), put32(v, 0), put32(v, 0), put32(v, 0);
    for (int y = im.h - 1; y >= 0; --y)
        for (int x = 0; x < im.w; ++x) {
            size_t i = size_t(y) * im.w + x;
            bool shown = im.a[i] != 0;
            v.push_back(shown ? im.b[i] : 0), v.push_back(shown ? im.g[i] : 0), v.push_back(shown ? im.r[i] : 0);
            v.push_back(im.a[i]);
        }
    for (int y = im.h - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < im.w; ++x)
            if (im.a[size_t(y) * im.w + x] < 128)
                row[x / 8] |= uint8_t(0x80 >> (x % 8));
        v.insert(v.end(), row.begin(), row.end());
    }
    return v;
}

// type 1: icon; type 2: cursor, with the hot spot in the planes and bit
// count fields of each entry.
void writeIconFile(const fs::path& path, unsigned type, const std::vector<Image>& images, int hotX = 0, int hotY = 0) {
    std::vector<std::vector<uint8_t>> data;
    for (const Image& im : images)
        data.push_back(iconImage(im));
    std::vector<uint8_t> v;
    put16(v, 0);
    put16(v, type);
    put16(v, unsigned(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t k = 0; k < images.size(); ++k) {
        v.push_back(uint8_t(images[k].w)), v.push_back(uint8_t(images[k].h));
        v.push_back(0), v.push_back(0);
        put16(v, type == 2 ? unsigned(hotX) : 1);
        put16(v, type == 2 ? unsigned(hotY) : 32);
        put32(v, uint32_t(data[k].size()));
        put32(v, offset);
        offset += uint32_t(data[k].size());
    }
    for (const auto& d : data)
        v.insert(v.end(), d.begin(), d.end());
    save(path, v);
}

// ---------------------------------------------------------------- pixel font

// Lower-case letters on a 9-row grid: rows 0-1 ascenders, 2-6 the x height,
// 7-8 descenders. Only the letters the buttons need.
const std::map<char, std::vector<std::string>>& font() {
    static const std::map<char, std::vector<std::string>> glyphs = {
        {'c', {"....", "....", ".###", "#...", "#...", "#...", ".###", "....", "...."}},
        {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###.", ".....", "....."}},
        {'l', {"##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###", "...", "..."}},
        {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#", ".....", "....."}},
        {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#", ".....", "....."}},
        {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###.", ".....", "....."}},
        {'p', {".....", ".....", "####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."}},
        {'r', {"....", "....", "#.##", "##..", "#...", "#...", "#...", "....", "...."}},
        {'s', {"....", "....", ".###", "#...", ".##.", "...#", "###.", "....", "...."}},
        {'t', {"....", ".#..", "####", ".#..", ".#..", ".#..", "..##", "....", "...."}},
    };
    return glyphs;
}

int textWidth(const std::string& text) {
    int w = 0;
    for (char ch : text)
        w += int(font().at(ch)[0].size()) + 1;
    return w - 1;
}

void drawText(Surface& s, int x, int top, const std::string& text, Rgb c) {
    for (char ch : text) {
        const auto& g = font().at(ch);
        for (int row = 0; row < int(g.size()); ++row)
            for (int col = 0; col < int(g[row].size()); ++col)
                if (g[row][col] == '#')
                    s.pixel(x + col, top + row, c);
        x += int(g[0].size()) + 1;
    }
}

// Pointer arrow as pixel art: B outline, W body. Its tip is the first pixel.
const std::vector<std::string> ARROW = {
    "B..........", "BB.........", "BWB........", "BWWB.......", "BWWWB......", "BWWWWB.....",
    "BWWWWWB....", "BWWWWWWB...", "BWWWWWWWB..", "BWWWWWWWWB.", "BWWWWWBBBBB", "BWWBWWB....",
    "BWB.BWWB...", "BB..BWWB...", "B....BWWB..", ".....BWWB..", "......BB...",
};

void drawArrow(Surface& s, int x, int y) {
    for (int row = 0; row < int(ARROW.size()); ++row)
        for (int col = 0; col < int(ARROW[row].size()); ++col) {
            char ch = ARROW[row][col];
            if (ch == 'B')
                s.pixel(x + col, y + row, rgb(0, 0, 0));
            if (ch == 'W')
                s.pixel(x + col, y + row, rgb(255, 255, 255));
        }
}

// A red X with a dark rim, centred at (cx, cy), arms reaching r.
void drawRedX(Surface& s, double cx, double cy, double r, double w) {
    Surface layer(s.width(), s.height(), s.samples());
    Paint red = vgrad(cy - r, rgb(250, 70, 60), cy + r, rgb(200, 20, 20));
    layer.fill(segment({cx - r, cy - r}, {cx + r, cy + r}, w), red);
    layer.fill(segment({cx - r, cy + r}, {cx + r, cy - r}, w), red);
    layer.outline(rgb(110, 0, 0), 0.85, 0.9);
    s.over(layer);
}

// ---------------------------------------------------------------- buttons

const int BUTTON = 30;

// Raised face with a two-step bevel, like a push button.
Surface buttonFace() {
    Surface s(BUTTON, BUTTON, 4);
    s.fill(rect(0, 0, BUTTON, BUTTON), rgb(236, 236, 236));
    s.fill(rect(0, 0, BUTTON, 1), rgb(255, 255, 255));
    s.fill(rect(0, 0, 1, BUTTON), rgb(255, 255, 255));
    s.fill(rect(0, BUTTON - 1, BUTTON, BUTTON), rgb(96, 96, 96));
    s.fill(rect(BUTTON - 1, 0, BUTTON, BUTTON), rgb(96, 96, 96));
    s.fill(rect(1, BUTTON - 2, BUTTON - 1, BUTTON - 1), rgb(170, 170, 170));
    s.fill(rect(BUTTON - 2, 1, BUTTON - 1, BUTTON - 1), rgb(170, 170, 170));
    return s;
}

// Cable buttons: the cable's look in the upper half, its short name below.
const int LINE_X0 = 5, LINE_X1 = 25, LINE_Y = 10;

void cableLabel(Surface& s, const std::string& text) {
    drawText(s, (BUTTON - textWidth(text)) / 2, 16, text, rgb(32, 32, 32));
}

Image straightButton() {
    Surface s = buttonFace();
    s.fill(rect(LINE_X0, LINE_Y - 1, LINE_X1, LINE_Y + 1), rgb(0, 0, 255));
    cableLabel(s, "str");
    return s.resolve(Edge::Opaque);
}

Image crossButton() {
    Surface s = buttonFace();
    for (int x = LINE_X0; x < LINE_X1; x += 5)
        s.fill(rect(x, LINE_Y - 1, x + 3, LINE_Y + 1), rgb(0, 0, 255));
    cableLabel(s, "cro");
    return s.resolve(Edge::Opaque);
}

Image serialButton() {
    Surface s = buttonFace();
    Rgb teal = rgb(0, 100, 100);
    // Same idea as on the canvas: a short stroke across the middle.
    P a{LINE_X0 + 0.5, LINE_Y}, p1{17.5, 6}, p2{12.5, 14}, b{LINE_X1 - 0.5, LINE_Y};
    s.fill(segment(a, p1, 1.8), teal);
    s.fill(segment(p1, p2, 1.8), teal);
    s.fill(segment(p2, b, 1.8), teal);
    cableLabel(s, "ser");
    return s.resolve(Edge::Opaque);
}

Image consoleButton() {
    Surface s = buttonFace();
    Rgb rim = rgb(0, 128, 150), cyan = rgb(0, 255, 255);
    for (int y : {LINE_Y - 3, LINE_Y + 1}) {
        s.fill(rect(LINE_X0, y - 1, LINE_X1, y + 3), rim);
        s.fill(rect(LINE_X0, y, LINE_X1, y + 2), cyan);
    }
    cableLabel(s, "con");
    return s.resolve(Edge::Opaque);
}

Image plainCableButton(Rgb c, const std::string& label) {
    Surface s = buttonFace();
    s.fill(rect(LINE_X0, LINE_Y - 1.5, LINE_X1, LINE_Y + 1.5), c);
    cableLabel(s, label);
    return s.resolve(Edge::Opaque);
}

Image selectButton() {
    Surface s = buttonFace();
    drawArrow(s, 10, 6);
    return s.resolve(Edge::Opaque);
}

Image deleteButton() {
    Surface s = buttonFace();
    drawRedX(s, 14.5, 14.5, 7.5, 4.5);
    return s.resolve(Edge::Opaque);
}

// Shown in place of a library picture that cannot be loaded.
Image missingPicture() {
    Surface s(50, 50, 4);
    s.fill(rect(0, 0, 50, 50), rgb(244, 244, 244));
    Rgb frame = rgb(140, 140, 140);
    for (int k = 0; k < 50; k += 6) {
        s.fill(rect(k, 0, k + 4, 2), frame), s.fill(rect(k, 48, k + 4, 50), frame);
        s.fill(rect(0, k, 2, k + 4), frame), s.fill(rect(48, k, 50, k + 4), frame);
    }
    Rgb red = rgb(215, 40, 40);
    s.fill(segment({7, 7}, {43, 43}, 3), red);
    s.fill(segment({7, 43}, {43, 7}, 3), red);
    // A question mark on a white disc in the middle.
    s.fill(circle(25, 25, 10), rgb(255, 255, 255));
    s.fill(minus(circle(25, 25, 10), circle(25, 25, 9)), red);
    Rgb ink = rgb(90, 90, 90);
    s.fill(arc(25, 22, 3.6, 2.2, -200, 60), ink);
    s.fill(segment({26.8, 25.1}, {25, 27.5}, 2.2), ink);
    s.fill(circle(25, 31, 1.4), ink);
    return s.resolve(Edge::Opaque);
}

// ---------------------------------------------------------------- cursor and icon

Image deleteCursor() {
    Surface s(32, 32, 4);
    drawArrow(s, 0, 0);
    drawRedX(s, 22.5, 23.5, 6, 3.6);
    return s.resolve(Edge::Hard);
}

// Three machines linked to a router in the middle.
Image programIcon(int size) {
    double k = size / 32.0;
    auto pt = [k](double x, double y) { return P{x * k, y * k}; };
    Surface s(size, size, 8);
    Surface links(size, size, 8);
    Rgb wire = rgb(70, 80, 95);
    double ww = std::max(1.3, 2.2 * k);
    links.fill(segment(pt(16, 17), pt(6.5, 7), ww), wire);
    links.fill(segment(pt(16, 17), pt(25.5, 7), ww), wire);
    links.fill(segment(pt(16, 17), pt(16, 27), ww), wire);
    s.over(links);

    auto node = [&](double cx, double cy, Rgb c) {
        Surface n(size, size, 8);
        double h = 4.6;
        n.fill(roundRect((cx - h) * k, (cy - h) * k, (cx + h) * k, (cy + h) * k, 1.6 * k),
               vgrad((cy - h) * k, lighter(c, 0.35), (cy + h) * k, c));
        n.outline(darker(c, 0.55), 0.9, size >= 32 ? 1.0 : 0.8);
        s.over(n);
    };
    node(6.5, 6.5, rgb(60, 170, 90));
    node(25.5, 6.5, rgb(240, 150, 40));
    node(16, 26.5, rgb(150, 90, 200));

    Surface hub(size, size, 8);
    hub.fill(circle(16 * k, 16.5 * k, 7.2 * k), radial(14 * k, 14 * k, 8 * k, rgb(120, 185, 255), rgb(30, 90, 190)));
    if (size >= 32) {
        Rgb w = rgb(255, 255, 255);
        hub.fill(arrow(pt(12.2, 16.5), pt(19.8, 16.5), 1.3, 3.6, 2.4), w);
        hub.fill(arrow(pt(16, 20.3), pt(16, 12.7), 1.3, 3.6, 2.4), w);
    }
    hub.outline(rgb(15, 45, 110), 0.9, size >= 32 ? 1.0 : 0.8);
    s.over(hub);
    return s.resolve(Edge::Soft);
}

// ---------------------------------------------------------------- library symbols

const int SYM = 50;

Surface symbolSurface() {
    return Surface(SYM, SYM, 4);
}

// Keyed 50 x 50 picture: a dark rim around the silhouette, magenta outside.
Image finishSymbol(Surface& s, Rgb rim) {
    s.outline(rim, 0.8, 1.0);
    return s.resolve(Edge::Hard);
}

// A box seen from the front, slightly from above and from the right.
struct Box {
    double x, y, w, h, dx, dy;
    Shape front() const { return rect(x, y, x + w, y + h); }
    Shape top() const { return polygon({{x, y}, {x + dx, y - dy}, {x + w + dx, y - dy}, {x + w, y}}); }
    Shape side() const { return polygon({{x + w, y}, {x + w + dx, y - dy}, {x + w + dx, y + h - dy}, {x + w, y + h}}); }
    // (u, v) in 0..1 over the top face, u along the width.
    Shape onTop(const Shape& unit) const { return mapped(unit, {x, y}, {w, 0}, {dx, -dy}); }
};

void drawBox(Surface& s, const Box& b, Rgb c) {
    s.fill(b.front(), vgrad(b.y, c, b.y + b.h, darker(c, 0.18)));
    s.fill(b.top(), lighter(c, 0.35));
    s.fill(b.side(), darker(c, 0.3));
    // Bright front edge so the faces read apart.
    s.fill(rect(b.x, b.y, b.x + b.w, b.y + 0.6), lighter(c, 0.55));
}

Image routerDisc() {
    Surface s = symbolSurface();
    Rgb body = rgb(40, 105, 200);
    double cx = 25, top = 19, bottom = 33, rx = 21, ry = 8.5;
    s.fill(unite(rect(cx - rx, top, cx + rx, bottom), ellipse(cx, bottom, rx, ry)),
           hgrad(cx - rx, darker(body, 0.25), cx + rx, darker(body, 0.35)));
    s.fill(clip(unite(rect(cx - rx, top, cx + rx, bottom), ellipse(cx, bottom, rx, ry)), rect(cx - 9, 0, cx + 2, 50)),
           lighter(body, 0.12), 0.6);
    s.fill(ellipse(cx, top, rx, ry), radial(cx - 6, top - 3, 20, rgb(150, 200, 255), rgb(70, 140, 225)));
    s.fill(minus(ellipse(cx, top, rx, ry), ellipse(cx, top, rx - 0.8, ry - 0.8)), darker(body, 0.45));
    // Two arrows come in, two go out.
    Rgb white = rgb(255, 255, 255);
    P o{cx, top}, e1{rx, 0}, e2{0, ry};
    s.fill(mapped(arrow({0.12, 0}, {0.9, 0}, 0.2, 0.58, 0.26), o, e1, e2), white);
    s.fill(mapped(arrow({-0.12, 0}, {-0.9, 0}, 0.2, 0.58, 0.26), o, e1, e2), white);
    s.fill(mapped(arrow({0.05, -0.98}, {0.05, -0.22}, 0.12, 0.36, 0.36), o, e1, e2), white);
    s.fill(mapped(arrow({-0.05, 0.98}, {-0.05, 0.22}, 0.12, 0.36, 0.36), o, e1, e2), white);
    return finishSymbol(s, rgb(10, 35, 90));
}

Image layer3Switch() {
    Surface s = symbolSurface();
    Rgb c = rgb(20, 135, 140);
    Box b{4, 22, 34, 20, 9, 10};
    drawBox(s, b, c);
    Rgb white = rgb(255, 255, 255);
    // Switching arrows across, routing arrows along.
    s.fill(b.onTop(arrow({0.06, 0.3}, {0.5, 0.3}, 0.14, 0.4, 0.13)), white);
    s.fill(b.onTop(arrow({0.94, 0.72}, {0.5, 0.72}, 0.14, 0.4, 0.13)), white);
    s.fill(b.onTop(arrow({0.72, 0.02}, {0.72, 0.5}, 0.07, 0.2, 0.38)), white);
    s.fill(b.onTop(arrow({0.28, 0.98}, {0.28, 0.5}, 0.07, 0.2, 0.38)), white);
    // Ports and a status light on the front.
    for (int i = 0; i < 6; ++i) {
        double x = 7 + i * 5;
        s.fill(rect(x, 33, x + 3.4, 37.5), rgb(20, 45, 50));
        s.fill(rect(x + 0.6, 33.6, x + 2.8, 34.6), rgb(120, 200, 200));
    }
    s.fill(circle(9, 27.5, 1.3), rgb(120, 255, 120));
    s.fill(circle(13, 27.5, 1.3), rgb(255, 200, 60));
    return finishSymbol(s, rgb(5, 55, 60));
}

Image wirelessRouter() {
    Surface s = symbolSurface();
    Rgb pole = rgb(45, 48, 55);
    s.fill(segment({8, 8}, {9, 30}, 2.6), pole);
    s.fill(segment({42, 8}, {41, 30}, 2.6), pole);
    s.fill(circle(8, 8, 2.2), pole);
    s.fill(circle(42, 8, 2.2), pole);
    s.fill(roundRect(3, 27, 47, 42, 4), vgrad(27, rgb(95, 105, 120), 42, rgb(45, 50, 62)));
    s.fill(roundRect(3, 27, 47, 31, 3), rgb(130, 140, 155), 0.7);
    for (int i = 0; i < 5; ++i)
        s.fill(circle(10 + i * 4, 36, 1.2), i < 4 ? rgb(90, 230, 100) : rgb(255, 170, 40));
    s.fill(rect(33, 34.5, 43, 37.5), rgb(30, 33, 40));
    s.outline(rgb(20, 22, 30), 0.8, 1.0);
    // The radio waves are too thin for the dark rim; they get a light one.
    Surface waves = symbolSurface();
    for (int i = 0; i < 3; ++i)
        waves.fill(arc(25, 22, 5.0 + i * 4.6, 2.4, -140, -40), rgb(0, 150, 255));
    waves.outline(rgb(0, 80, 170), 0.5, 0.5);
    s.over(waves);
    return s.resolve(Edge::Hard);
}

// Flat box with a row of ports, each with a light above it.
void portRow(Surface& s, double x, double y, int n, double pitch, Rgb port, Rgb light) {
    for (int i = 0; i < n; ++i) {
        double px = x + i * pitch;
        s.fill(rect(px, y + 2.2, px + pitch - 1.6, y + 5.6), port);
        s.fill(circle(px + (pitch - 1.6) / 2, y + 0.6, 0.7), light);
    }
}

Image hub() {
    Surface s = symbolSurface();
    Rgb c = rgb(196, 202, 210);
    Box b{2, 24, 40, 12, 6, 7};
    drawBox(s, b, c);
    s.fill(b.onTop(rect(0.06, 0.3, 0.5, 0.7)), rgb(150, 158, 170));
    portRow(s, 5, 27, 8, 4.5, rgb(45, 50, 60), rgb(60, 200, 80));
    return finishSymbol(s, rgb(55, 60, 70));
}

Image switchBox() {
    Surface s = symbolSurface();
    Rgb c = rgb(45, 150, 80);
    Box b{2, 24, 40, 12, 6, 7};
    drawBox(s, b, c);
    Rgb white = rgb(255, 255, 255);
    s.fill(b.onTop(arrow({0.12, 0.3}, {0.46, 0.3}, 0.12, 0.36, 0.1)), white);
    s.fill(b.onTop(arrow({0.46, 0.72}, {0.12, 0.72}, 0.12, 0.36, 0.1)), white);
    s.fill(b.onTop(arrow({0.54, 0.3}, {0.88, 0.3}, 0.12, 0.36, 0.1)), white);
    s.fill(b.onTop(arrow({0.88, 0.72}, {0.54, 0.72}, 0.12, 0.36, 0.1)), white);
    portRow(s, 5, 27, 8, 4.5, rgb(15, 55, 30), rgb(255, 220, 80));
    return finishSymbol(s, rgb(10, 60, 25));
}

Image stackedHub() {
    Surface s = symbolSurface();
    Rgb c = rgb(125, 95, 185);
    Box lower{2, 32, 40, 10, 6, 7}, upper{2, 20, 40, 10, 6, 7};
    drawBox(s, lower, c);
    // Shadow of the upper unit on the lower one's top.
    s.fill(rect(2, 30, 42, 32), darker(c, 0.45));
    drawBox(s, upper, lighter(c, 0.08));
    portRow(s, 5, 22.3, 8, 4.5, rgb(40, 25, 70), rgb(90, 230, 255));
    portRow(s, 5, 34.3, 8, 4.5, rgb(40, 25, 70), rgb(90, 230, 255));
    return finishSymbol(s, rgb(45, 25, 85));
}

Image desktopPc() {
    Surface s = symbolSurface();
    Rgb bezel = rgb(214, 216, 222);
    s.fill(rect(21, 30, 29, 37), rgb(150, 155, 165));
    s.fill(roundRect(14, 35, 36, 39, 1.8), rgb(175, 180, 190));
    s.fill(roundRect(6, 4, 44, 32, 2.5), vgrad(4, lighter(bezel, 0.4), 32, bezel));
    s.fill(rect(9, 7, 41, 28), vgrad(7, rgb(120, 190, 250), 28, rgb(30, 90, 190)));
    // Glare across the screen.
    s.fill(clip(polygon({{9, 20}, {22, 7}, {30, 7}, {9, 28}}), rect(9, 7, 41, 28)), rgb(255, 255, 255), 0.22);
    s.fill(circle(39.5, 30, 0.8), rgb(60, 200, 80));
    // Keyboard.
    s.fill(polygon({{7, 48}, {43, 48}, {40, 41}, {10, 41}}), rgb(200, 203, 210));
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 9; ++i) {
            double y = 42.6 + row * 2.6, x = 11.6 + i * 3.1 - row * 0.6;
            s.fill(rect(x, y, x + 2.1, y + 1.5), rgb(120, 125, 135));
        }
    return finishSymbol(s, rgb(40, 45, 60));
}

Image laptop() {
    Surface s = symbolSurface();
    s.fill(roundRect(9, 6, 41, 32, 2.5), rgb(55, 58, 68));
    s.fill(rect(11.5, 8.5, 38.5, 29.5), vgrad(8.5, rgb(120, 230, 205), 29.5, rgb(10, 140, 130)));
    s.fill(clip(polygon({{11.5, 22}, {25, 8.5}, {31, 8.5}, {11.5, 29.5}}), rect(11.5, 8.5, 38.5, 29.5)),
           rgb(255, 255, 255), 0.2);
    Rgb silver = rgb(190, 196, 206);
    s.fill(polygon({{3, 42}, {47, 42}, {41, 32}, {9, 32}}), vgrad(32, lighter(silver, 0.3), 42, silver));
    for (int row = 0; row < 3; ++row) {
        double y = 33.6 + row * 2.4;
        double inset = 9.8 - row * 1.4;
        for (double x = inset + 0.5; x < 50 - inset - 2; x += 2.6)
            s.fill(rect(x, y, x + 1.8, y + 1.5), rgb(90, 95, 110));
    }
    s.fill(rect(20, 40, 30, 41.4), rgb(150, 155, 168));
    s.fill(roundRect(3, 42, 47, 45, 1.4), darker(silver, 0.28));
    return finishSymbol(s, rgb(35, 40, 52));
}

Image serverTower() {
    Surface s = symbolSurface();
    Rgb c = rgb(72, 82, 100);
    Box b{13, 9, 22, 38, 6, 6};
    drawBox(s, b, c);
    for (int i = 0; i < 3; ++i) {
        double y = 13 + i * 5;
        s.fill(rect(16, y, 32, y + 3.2), rgb(185, 192, 205));
        s.fill(rect(17, y + 1.2, 27, y + 2), rgb(110, 118, 132));
        s.fill(circle(30.3, y + 1.6, 0.8), i == 1 ? rgb(255, 175, 40) : rgb(80, 230, 100));
    }
    for (int i = 0; i < 6; ++i)
        s.fill(rect(16, 31 + i * 2, 32, 32 + i * 2), darker(c, 0.45));
    s.fill(circle(24, 44, 1.2), rgb(120, 200, 255));
    return finishSymbol(s, rgb(20, 25, 38));
}

Shape cloudShape(double dx, double dy, double k) {
    auto c = [&](double x, double y, double r) { return circle(dx + x * k, dy + y * k, r * k); };
    return unite({c(14, 29, 9), c(23, 21, 11), c(34, 24, 10), c(40, 31, 7.5),
                  roundRect(dx + 8 * k, dy + 27 * k, dx + 45 * k, dy + 38.5 * k, 5.5 * k)});
}

Image cloud() {
    Surface s = symbolSurface();
    s.fill(cloudShape(0, 2, 1.0), vgrad(10, rgb(255, 255, 255), 40, rgb(165, 200, 240)));
    return finishSymbol(s, rgb(50, 95, 165));
}

Image globe() {
    Surface s = symbolSurface();
    double cx = 25, cy = 25, r = 21;
    Shape ball = circle(cx, cy, r);
    s.fill(ball, radial(18, 17, 30, rgb(110, 185, 255), rgb(15, 60, 160)));
    Rgb land = rgb(70, 175, 80);
    Shape continents = unite({ellipse(15, 17, 8, 6), ellipse(12, 26, 4, 6), ellipse(31, 14, 6, 3.5),
                              ellipse(33, 30, 6, 8), ellipse(26, 40, 5, 2.5)});
    s.fill(clip(continents, ball), vgrad(5, lighter(land, 0.2), 45, darker(land, 0.2)));
    Rgb grid = rgb(230, 245, 255);
    for (double rx : {8.0, 16.0})
        s.fill(clip(minus(ellipse(cx, cy, rx, r), ellipse(cx, cy, rx - 0.9, r)), ball), grid, 0.55);
    s.fill(clip(rect(cx - 0.45, cy - r, cx + 0.45, cy + r), ball), grid, 0.55);
    for (double y : {-11.0, 0.0, 11.0})
        s.fill(clip(rect(0, cy + y - 0.45, 50, cy + y + 0.45), ball), grid, 0.55);
    s.fill(ellipse(17, 15, 6, 4), rgb(255, 255, 255), 0.25);
    return finishSymbol(s, rgb(10, 35, 100));
}

Image wanCloud() {
    Surface s = symbolSurface();
    s.fill(cloudShape(-1, 0, 1.05), vgrad(8, rgb(205, 212, 222), 42, rgb(120, 130, 148)));
    Surface bolt(SYM, SYM, 4);
    bolt.fill(polygon({{29, 5}, {17, 27}, {24, 27}, {20, 44}, {34, 20}, {26.5, 20}, {32.5, 5}}),
              vgrad(5, rgb(255, 235, 90), 46, rgb(245, 160, 20)));
    bolt.outline(rgb(150, 80, 0), 0.8, 0.9);
    s.over(bolt);
    return finishSymbol(s, rgb(50, 58, 75));
}

Image firewall() {
    Surface s = symbolSurface();
    // Flames behind the wall.
    s.fill(
        polygon(
            {{8, 18}, {10, 9}, {14, 13}, {17, 3}, {21, 11}, {25, 5}, {28, 12}, {33, 2}, {35, 12}, {39, 7}, {42, 18}}),
        vgrad(3, rgb(255, 220, 60), 18, rgb(235, 70, 20)));
    s.fill(polygon({{14, 18}, {17, 11}, {20, 15}, {25, 9}, {28, 15}, {33, 10}, {36, 18}}), rgb(255, 235, 120), 0.8);
    Rgb mortar = rgb(225, 215, 195), brick = rgb(190, 70, 45);
    double x0 = 4, x1 = 46, y0 = 16, y1 = 45;
    s.fill(rect(x0, y0, x1, y1), mortar);
    int row = 0;
    for (double y = y0; y < y1 - 1; y += 5.8, ++row) {
        double off = row % 2 ? -5.5 : 0;
        for (double x = x0 + off; x < x1; x += 11) {
            Shape b = clip(rect(x + 0.6, y + 0.6, x + 10.4, y + 5.2), rect(x0, y0, x1, y1));
            s.fill(b, vgrad(y, lighter(brick, 0.12), y + 5.2, darker(brick, 0.12)));
        }
    }
    return finishSymbol(s, rgb(90, 25, 10));
}

Image printer() {
    Surface s = symbolSurface();
    Rgb paper = rgb(252, 252, 252);
    s.fill(polygon({{14, 20}, {16, 4}, {36, 4}, {38, 20}}), paper);
    s.fill(roundRect(5, 18, 45, 38, 3), vgrad(18, rgb(238, 239, 243), 38, rgb(170, 175, 186)));
    s.fill(roundRect(5, 18, 45, 22, 2), rgb(255, 255, 255), 0.5);
    s.fill(rect(9, 29, 41, 31.5), rgb(60, 64, 75));
    s.fill(rect(33, 22.5, 41, 26), rgb(70, 110, 150));
    s.fill(circle(12, 24.5, 1.3), rgb(70, 220, 90));
    // The printed page.
    s.fill(rect(13, 30.5, 37, 47), paper);
    for (int i = 0; i < 4; ++i)
        s.fill(rect(16, 34 + i * 3, i == 3 ? 27 : 34, 35 + i * 3), rgb(120, 140, 175));
    return finishSymbol(s, rgb(50, 55, 68));
}

Image phone() {
    Surface s = symbolSurface();
    Rgb body = rgb(235, 145, 35);
    s.fill(polygon({{4, 46}, {46, 46}, {40, 20}, {10, 20}}), vgrad(20, lighter(body, 0.25), 46, darker(body, 0.12)));
    // Key pad.
    s.fill(roundRect(15, 25, 35, 43, 2), rgb(120, 65, 10));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            s.fill(roundRect(17 + c * 6, 26.5 + r * 4, 21.4 + c * 6, 29.4 + r * 4, 0.8), rgb(250, 245, 235));
    // Handset resting on top.
    Surface handset(SYM, SYM, 4);
    Rgb h = rgb(60, 45, 40);
    handset.fill(segment({11, 12}, {39, 12}, 5), h);
    handset.fill(roundRect(4, 10, 15, 20, 3.5), h);
    handset.fill(roundRect(35, 10, 46, 20, 3.5), h);
    handset.fill(rect(12, 10, 38, 11.2), rgb(120, 105, 100));
    handset.outline(rgb(20, 12, 10), 0.7, 0.8);
    s.over(handset);
    return finishSymbol(s, rgb(95, 50, 5));
}

struct LibraryEntry {
    int category;
    const char* name;
    Image (*draw)();
};

// Category order: 0 router, 1 hub, 2 host, 3 cloud, 4 other; names sorted
// within each category, which is also the catalogue's order.
const std::vector<LibraryEntry>& library() {
    static const std::vector<LibraryEntry> entries = {
        {0, "router1", routerDisc}, {0, "router2", layer3Switch}, {0, "router3", wirelessRouter},
        {1, "hub1", hub},           {1, "hub2", switchBox},       {1, "hub3", stackedHub},
        {2, "host1", desktopPc},    {2, "host2", laptop},         {2, "host3", serverTower},
        {3, "cloud1", cloud},       {3, "cloud2", globe},         {3, "cloud3", wanCloud},
        {4, "other1", firewall},    {4, "other2", printer},       {4, "other3", phone},
    };
    return entries;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: artgen <repo root>\n";
        return 2;
    }
    fs::path root = argv[1];
    fs::path res = root / "src" / "resources";
    if (!fs::is_directory(res)) {
        std::cerr << "artgen: " << res << " is not a directory; pass the repository root\n";
        return 2;
    }

    writeBmp(res / "tool_delete.bmp", deleteButton());
    writeBmp(res / "tool_select.bmp", selectButton());
    writeBmp(res / "cable_straight.bmp", straightButton());
    writeBmp(res / "cable_cross.bmp", crossButton());
    writeBmp(res / "cable_console.bmp", consoleButton());
    writeBmp(res / "cable_serial.bmp", serialButton());
    writeBmp(res / "cable_telephone.bmp", plainCableButton(rgb(110, 110, 110), "tel"));
    writeBmp(res / "cable_optical.bmp", plainCableButton(rgb(255, 0, 0), "opt"));
    writeBmp(res / "cable_met.bmp", plainCableButton(rgb(200, 200, 0), "met"));
    writeBmp(res / "missing_symbol.bmp", missingPicture());
    writeIconFile(res / "delete.cur", 2, {deleteCursor()}, 0, 0);
    writeIconFile(res / "nexadraw.ico", 1, {programIcon(16), programIcon(32)});

    std::string catalog;
    for (const LibraryEntry& e : library()) {
        std::string file = std::string(e.name) + ".bmp";
        writeBmp(root / "library" / "Symbol" / file, e.draw());
        catalog += char('0' + e.category);
        catalog += ",\\Symbol\\" + file + "\r\n";
    }
    save(root / "library" / "Symbol.txt", std::vector<uint8_t>(catalog.begin(), catalog.end()));
    return 0;
}
