// The pictures of the default symbol library: routers, hubs, hosts, clouds and other devices.
#include "art.h"

namespace art {

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

}  // namespace art
