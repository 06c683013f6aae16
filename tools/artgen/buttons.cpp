// The pictures of the program itself: tool and cable buttons, the missing-picture placeholder, the
// delete cursor and the program icon.
#include <map>
#include <string>

#include "art.h"

namespace art {

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

}  // namespace art
