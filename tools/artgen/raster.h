// The drawing kit of the picture generator: colours, paints, shapes with an inside test, and a
// supersampling surface that resolves to an image with alpha.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace art {

constexpr double PI = 3.14159265358979323846;

// ---------------------------------------------------------------- colour

struct Rgb {
    double r = 0, g = 0, b = 0;
};

inline Rgb rgb(int r, int g, int b) {
    return Rgb{double(r), double(g), double(b)};
}

inline Rgb mix(Rgb a, Rgb b, double t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Rgb lighter(Rgb c, double t) {
    return mix(c, rgb(255, 255, 255), t);
}
inline Rgb darker(Rgb c, double t) {
    return mix(c, rgb(0, 0, 0), t);
}

inline double clamp01(double t) {
    return t < 0 ? 0 : (t > 1 ? 1 : t);
}

inline uint8_t toByte(double v) {
    long n = std::lround(v);
    return uint8_t(n < 0 ? 0 : (n > 255 ? 255 : n));
}

using Paint = std::function<Rgb(double, double)>;

inline Paint solid(Rgb c) {
    return [c](double, double) { return c; };
}

inline Paint vgrad(double y0, Rgb c0, double y1, Rgb c1) {
    return [=](double, double y) { return mix(c0, c1, clamp01((y - y0) / (y1 - y0))); };
}

inline Paint hgrad(double x0, Rgb c0, double x1, Rgb c1) {
    return [=](double x, double) { return mix(c0, c1, clamp01((x - x0) / (x1 - x0))); };
}

// Light spot at (cx, cy) fading to c1 at distance r.
inline Paint radial(double cx, double cy, double r, Rgb c0, Rgb c1) {
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

inline Shape rect(double x0, double y0, double x1, double y1) {
    return {[=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, x0, y0, x1, y1};
}

inline Shape ellipse(double cx, double cy, double rx, double ry) {
    return {[=](double x, double y) {
                double u = (x - cx) / rx, v = (y - cy) / ry;
                return u * u + v * v <= 1.0;
            },
            cx - rx, cy - ry, cx + rx, cy + ry};
}

inline Shape circle(double cx, double cy, double r) {
    return ellipse(cx, cy, r, r);
}

inline Shape roundRect(double x0, double y0, double x1, double y1, double r) {
    return {[=](double x, double y) {
                if (x < x0 || x >= x1 || y < y0 || y >= y1)
                    return false;
                double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
                return std::hypot(x - cx, y - cy) <= r;
            },
            x0, y0, x1, y1};
}

inline Shape polygon(std::vector<P> pts) {
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
inline Shape segment(P a, P b, double w) {
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
inline Shape arc(double cx, double cy, double r, double w, double a0, double a1) {
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

inline Shape unite(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.in(x, y) || b.in(x, y); }, std::min(a.x0, b.x0), std::min(a.y0, b.y0),
            std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

inline Shape unite(const std::vector<Shape>& parts) {
    Shape s = parts[0];
    for (size_t i = 1; i < parts.size(); ++i)
        s = unite(s, parts[i]);
    return s;
}

inline Shape minus(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.in(x, y) && !b.in(x, y); }, a.x0, a.y0, a.x1, a.y1};
}

inline Shape clip(const Shape& a, const Shape& b) {
    return {[a, b](double x, double y) { return a.in(x, y) && b.in(x, y); }, std::max(a.x0, b.x0), std::max(a.y0, b.y0),
            std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

// A shape drawn in its own (u, v) space and laid onto the parallelogram
// o + u * e1 + v * e2: used for markings on slanted faces and ellipses.
inline Shape mapped(const Shape& s, P o, P e1, P e2) {
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
inline Shape arrow(P a, P b, double shaft, double head, double headLen) {
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

}  // namespace art
