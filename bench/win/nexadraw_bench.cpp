// Measures the editor under Wine: paint and drag times, start-up, export, and what each placed
// symbol costs. Prints one table per measurement; every time is the median of repeated runs.
// Usage: nexadraw_bench.exe [quick | startup | paint]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "diagram_support.h"
#include "paint_support.h"
#include "windows/change_notice.h"
#include "windows/app_state.h"
#include "app/startup.h"
#include "core/edit_session.h"
#include "windows/menu_commands.h"
#include "core/bitmap_check.h"
#include "core/bmp_layout.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "render/label_image.h"
#include "render/symbol_image.h"
#include "library/symbol_library.h"

// Heap bytes held through operator new, as the heap sizes each block: what the program's own
// containers hold, without the heap's headers.
static long long heapBytes;

void* operator new(size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    heapBytes += static_cast<long long>(HeapSize(GetProcessHeap(), 0, block));
    return block;
}

void operator delete(void* block) noexcept {
    if (!block)
        return;
    heapBytes -= static_cast<long long>(HeapSize(GetProcessHeap(), 0, block));
    HeapFree(GetProcessHeap(), 0, block);
}

void operator delete(void* block, size_t) noexcept {
    operator delete(block);
}

static double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

static double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Committed private memory. Wine reports PrivateUsage as 0 but keeps PagefileUsage, the same
// figure on Windows, up to date.
static size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

static std::string TempFolder(const char* name) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

static void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// A 50 x 50 picture: a coloured disc on magenta.
static std::vector<uint8_t> SymbolFile(unsigned colour) {
    std::vector<uint32_t> pixels(50 * 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            pixels[y * 50 + x] = (x - 25) * (x - 25) + (y - 25) * (y - 25) < 400 ? colour : 0xFF00FF;
    BmpLayout layout;
    ComputeBmpLayout(50, 50, &layout);
    return EncodeBmp(layout, pixels.data());
}

// The one picture every benchmark symbol shares, made as for a palette item.
static std::shared_ptr<const SymbolPicture> Picture() {
    HIMAGELIST list = ImageList_Create(SYMBOL_SIZE, SYMBOL_SIZE, ILC_COLOR32 | ILC_MASK, 4, 0);
    const std::string path = TempFolder("nexadraw-bench-picture") + "\\disc.bmp";
    WriteBytes(path, SymbolFile(0x2060C0));
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 50, 50, LR_LOADFROMFILE));
    ImageList_AddMasked(list, bitmap, MASK_COLOUR);
    DeleteObject(bitmap);
    HDC dc = GetDC(appState.topology);
    std::shared_ptr<const SymbolPicture> picture = MakeSymbolPicture(dc, list, 0);
    ReleaseDC(appState.topology, dc);
    ImageList_Destroy(list);
    return picture;
}

static void ClearBenchDiagram() {
    EditSession& session = appState.session;
    ClearDiagram(session.diagram);
    session.selectedId = NO_SYMBOL;
    session.connect = {};
    session.drag = {};
    session.history = {};
}

// How the benchmark diagrams are laid out: symbols spread over the canvas in a scattered order
// with each cable running to a far-off symbol (every cable crosses much of the canvas, the worst
// case for a partial paint), or on a grid with each cable running to a neighbour, as in a drawn
// network.
enum class Layout { ACROSS, NEIGHBOURS };

// A label as a diagram's hosts carry them: a name and an address on two lines, different for each.
static void GiveLabel(SymbolItem& symbol, int i) {
    char text[64];
    snprintf(text, sizeof text, "host-%04d\r\n10.%d.%d.%d", i, i / 65536, i / 256 % 256, i % 256);
    symbol.label = MakeLabel(text);
}

// Symbols laid out over the canvas, each joined by one cable to another.
static std::vector<SymbolItem*> Populate(const std::shared_ptr<const SymbolPicture>& picture,
                                         int count,
                                         Layout layout,
                                         bool labelled) {
    ClearBenchDiagram();
    const int width = appState.canvas.width() - 50, height = appState.canvas.height() - 50;
    const int columns = int(std::ceil(std::sqrt(double(count) * width / height)));
    const int rows = (count + columns - 1) / columns;
    std::vector<SymbolItem*> symbols;
    for (int i = 0; i < count; ++i) {
        SymbolItem symbol = SymbolWithPicture(picture);
        symbol.x = layout == Layout::ACROSS ? (i * 37) % width : i % columns * width / columns;
        symbol.y = layout == Layout::ACROSS ? (i * 53) % height : i / columns * height / rows;
        if (labelled)
            GiveLabel(symbol, i);  // made between the symbols, as when each is named as it is placed
        symbols.push_back(AppendSymbol(appState.session.diagram, std::move(symbol)));
    }
    for (int i = 0; i < count; ++i) {
        const int across = (i * 7 + 3) % count;
        const int neighbour = i % 2 && i + columns < count ? i + columns : (i + 1) % count;
        const SymbolItem& a = *symbols[i];
        const SymbolItem& b = *symbols[layout == Layout::ACROSS ? across : neighbour];
        const CanvasPoint p = SymbolCentre(a), q = SymbolCentre(b);
        AppendCable(appState.session.diagram, {p.x, p.y, q.x, q.y, a.id, b.id, CableType(1 + i % 7)});
    }
    return symbols;
}

// The canvas at the zoom, scrolled so that its middle is in the middle of the window as far as
// it goes.
static void SetZoom(float factor) {
    RECT client;
    GetClientRect(appState.topology, &client);
    appState.view.zoomFactor = factor;
    appState.view.scrollX = std::max(0, int(appState.canvas.width() / 2 * factor - client.right / 2));
    appState.view.scrollY = std::max(0, int(appState.canvas.height() / 2 * factor - client.bottom / 2));
    NotifyChange(CHANGED_VIEW);
}

// Everything composed again and shown, as after a zoom.
static double PaintMilliseconds(int repeats) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const double start = Now();
        RepaintWholeCanvas(appState.topology);
        UpdateWindow(appState.topology);
        times.push_back((Now() - start) * 1000);
    }
    return Median(times);
}

// One mouse move of a drag and the repaint it asks for; with `whole`, the whole canvas composed
// and shown again instead, as every paint did before paints kept to what changed.
static double DragStepMilliseconds(const SymbolItem& symbol, int repeats, bool whole) {
    ArmTool(appState.session, TOOL_SELECT, 0);
    NotifyChange(CHANGED_TOOL);
    const CanvasPoint centre = SymbolCentre(symbol);
    const int x0 = int(centre.x * appState.view.zoomFactor) - appState.view.scrollX;
    const int y0 = int(centre.y * appState.view.zoomFactor) - appState.view.scrollY;
    SendMessageA(appState.topology, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x0, y0));
    UpdateWindow(appState.topology);
    std::vector<double> times;
    for (int i = 1; i <= repeats; ++i) {
        const double start = Now();
        SendMessageA(appState.topology, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x0 + i % 20, y0 + i % 20));
        if (whole)
            RepaintWholeCanvas(appState.topology);
        UpdateWindow(appState.topology);
        times.push_back((Now() - start) * 1000);
    }
    SendMessageA(appState.topology, WM_LBUTTONUP, 0, MAKELPARAM(x0, y0));
    return Median(times);
}

static void PaintAndDragTable(const std::shared_ptr<const SymbolPicture>& picture, bool quick, Layout layout) {
    ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, 2000, 1500);
    printf("\nPaint and drag on a 2000 x 1500 canvas, %s (topology window client area as laid out at start)\n",
           layout == Layout::ACROSS ? "cables to far-off symbols" : "cables to neighbours");
    printf(
        "| symbols | cables | labels | zoom | full paint (ms) | drag step (ms) | drag step, whole canvas (ms) | ratio "
        "|\n"
        "|---:|---:|---|---:|---:|---:|---:|---:|\n");
    // Labelled symbols at zoom 1 beside the same diagram without labels.
    struct Row {
        bool labelled;
        float zoom;
    };
    for (int count : {100, 1000, 5000})
        for (const Row row : {Row{false, 1.0f}, Row{true, 1.0f}, Row{false, 1.0f / 6}}) {
            const std::vector<SymbolItem*> symbols = Populate(picture, count, layout, row.labelled);
            // The symbol nearest the middle, where the most cables cross what a drag changes.
            auto fromMiddle = [](const SymbolItem* symbol) {
                const CanvasPoint c = SymbolCentre(*symbol);
                return std::abs(c.x - 1000) + std::abs(c.y - 750);
            };
            const SymbolItem& dragged =
                **std::min_element(symbols.begin(), symbols.end(),
                                   [&](SymbolItem* a, SymbolItem* b) { return fromMiddle(a) < fromMiddle(b); });
            SetZoom(row.zoom);
            const int repeats = quick ? 5 : (count >= 5000 ? 15 : 41);
            const double paint = PaintMilliseconds(repeats);
            const double drag = DragStepMilliseconds(dragged, repeats, false);
            const double whole = DragStepMilliseconds(dragged, repeats, true);
            printf("| %d | %d | %s | %s | %.2f | %.2f | %.2f | %.0f |\n", count, count,
                   row.labelled ? "two lines" : "none", row.zoom == 1.0f ? "1" : "1/6", paint, drag, whole,
                   whole / drag);
            fflush(stdout);
        }
    SetZoom(1.0f);
    ClearBenchDiagram();
}

static void ExportTable(bool quick) {
    printf("\nExport of an empty canvas to a BMP file\n");
    printf("| canvas | file size (bytes) | export (ms) |\n|---|---:|---:|\n");
    snprintf(appState.saveFileName, MAX_PATH, "%s\\export.bmp", TempFolder("nexadraw-bench-export").c_str());
    for (auto size : {std::make_pair(500, 400), std::make_pair(2000, 2000), std::make_pair(8000, 8000)}) {
        if (!ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, size.first, size.second)) {
            printf("| %d x %d | - | back buffer could not be made |\n", size.first, size.second);
            continue;
        }
        InvalidateRect(appState.topology, nullptr, FALSE);
        UpdateWindow(appState.topology);
        std::vector<double> times;
        for (int i = 0; i < (quick ? 1 : size.first >= 8000 ? 5 : 11); ++i) {
            const double start = Now();
            ExportCanvas(appState.topology);
            times.push_back((Now() - start) * 1000);
        }
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExA(appState.saveFileName, GetFileExInfoStandard, &data);
        printf("| %d x %d | %lu | %.1f |\n", size.first, size.second, data.nFileSizeLow, Median(times));
        fflush(stdout);
        DeleteFileA(appState.saveFileName);
    }
    ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, DEFAULT_CANVAS_WIDTH,
                      DEFAULT_CANVAS_HEIGHT);
}

// A picture that came out as the system made it: not blank, not all one colour.
static bool PictureDrawn(const SymbolItem& symbol) {
    uint32_t scratch[SYMBOL_SIZE * SYMBOL_SIZE] = {};
    SymbolItem atOrigin = symbol;
    atOrigin.x = atOrigin.y = 0;
    const CanvasRect whole = {0, 0, SYMBOL_SIZE, SYMBOL_SIZE};
    DrawSymbol(atOrigin, {scratch, SYMBOL_SIZE, SYMBOL_SIZE}, &whole, 1);
    return scratch[25 * SYMBOL_SIZE + 25] != 0 && scratch[SYMBOL_SIZE + 1] == 0;
}

// What giving 1,000 symbols a label adds on the heap, a label's share.
static double LabelHeapBytes() {
    std::vector<SymbolItem> symbols(1000);
    const long long before = heapBytes;
    for (int i = 0; i < 1000; ++i)
        GiveLabel(symbols[size_t(i)], i);
    return double(heapBytes - before) / 1000;
}

static void CostTable(const std::shared_ptr<const SymbolPicture>& picture, int limit) {
    printf("\nCost of placed symbols (the program's own count of live GDI objects)\n");
    ClearBenchDiagram();
    const size_t memoryBefore = PrivateBytes();
    const long long heapBefore = heapBytes;
    const long objectsBefore = LiveGdiObjects();
    int placed = 0;
    const char* failure = "none up to the limit of this run";
    const double start = Now();
    for (; placed < limit; ++placed) {
        SymbolItem symbol = SymbolWithPicture(picture);
        if (!PictureDrawn(symbol)) {
            failure = "the picture came out blank";
            break;
        }
        symbol.x = placed % 450;
        symbol.y = placed % 350;
        if (!AppendSymbol(appState.session.diagram, std::move(symbol))) {
            failure = "allocation of a list node";
            break;
        }
        if (placed == 999) {
            const long objects = LiveGdiObjects() - objectsBefore;
            printf("| measure | value |\n|---|---:|\n");
            // Symbols share their library image's picture, made before the first of them.
            printf("| GDI objects per symbol (program count; each is a Windows object) | %.2f |\n", objects / 1000.0);
            printf("| heap memory per symbol (bytes; its list node, its index entry) | %.0f |\n",
                   double(heapBytes - heapBefore) / 1000);
            printf("| private memory per symbol (bytes; whole pages, as the system commits them) | %.0f |\n",
                   double(PrivateBytes() - memoryBefore) / 1000);
            printf("| GDI objects the program holds with an empty appState.session.diagram (program count) | %ld |\n",
                   objectsBefore);
            printf(
                "| heap memory per label of two lines, as in the paint table (bytes; its text, its ink) | %.0f "
                "|\n",
                LabelHeapBytes());
            fflush(stdout);
        }
    }
    printf("| symbols placed before the first failure | %d |\n", placed);
    printf("| first failure | %s |\n", failure);
    printf("| time to place them (s) | %.1f |\n", Now() - start);
    ClearBenchDiagram();
}

// Peak committed memory of another process (see PrivateBytes).
static size_t PeakPrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters.PeakPagefileUsage;
}

// A library of `files` distinct pictures named by `records` records, spread over the categories in
// turn (one case repeats the same lines, as a hand-made catalogue of 10 MB did), symbol-sized or as
// large as a library picture may be.
struct StartupCase {
    const char* what;
    int records;
    int files;
    bool largest;
};

// A picture at the size limit, 8192 x 3072 at 24 bits: a gradient, so that shrinking it is real work.
static std::vector<uint8_t> LargestPicture() {
    const int width = BITMAP_SIDE_LIMIT, height = int(BITMAP_PIXEL_LIMIT / BITMAP_SIDE_LIMIT);
    std::vector<uint32_t> pixels(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[size_t(y) * width + x] = uint32_t(x * 255 / width) << 16 | uint32_t(y * 255 / height) << 8 | 0x40;
    BmpLayout layout;
    ComputeBmpLayout(width, height, &layout);
    return EncodeBmp(layout, pixels.data());
}

// Start-up of the real program, from process creation to an idle, shown window.
static void StartupTable(bool quick) {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string path(program);
    path = path.substr(0, path.find_last_of('\\')) + "\\nexadraw.exe";
    printf(
        "\nStart-up of nexadraw.exe to an idle window, the part of it spent loading the catalogue, and the\n"
        "program's peak memory. A palette shows at most %d pictures per category.\n",
        CATEGORY_IMAGE_LIMIT);
    printf(
        "| catalogue | records | start-up (ms) | loading the catalogue alone (ms) | peak memory (MB) |\n"
        "|---|---:|---:|---:|---:|\n");
    const StartupCase cases[] = {
        {"empty", 0, 0, false},
        {"100 pictures", 100, 100, false},
        {"1,000 pictures", 1000, 1000, false},
        {"at the limit: 1,000 pictures per category", 5 * CATEGORY_IMAGE_LIMIT, 5 * CATEGORY_IMAGE_LIMIT, false},
        {"about 10 MB: 15 pictures named again and again", 540000, 15, false},
        {"4 pictures at the size limit (8192 x 3072, 72 MB each)", 4, 4, true},
    };
    for (const StartupCase& c : cases) {
        const std::string folder = TempFolder(("nexadraw-bench-library-" + std::to_string(c.records)).c_str());
        CreateDirectoryA((folder + "\\Symbol").c_str(), nullptr);
        const std::vector<uint8_t> largest = c.largest ? LargestPicture() : std::vector<uint8_t>();
        for (int i = 0; i < c.files; ++i)
            WriteBytes(folder + "\\Symbol\\s" + std::to_string(i) + ".bmp",
                       c.largest ? largest : SymbolFile(0x101010u * (i % 15 + 1)));
        std::string catalogue;
        for (int i = 0; i < c.records; ++i)
            catalogue += FormatCatalogueLine(i % CATEGORY_COUNT, "\\Symbol\\s" + std::to_string(i % c.files) + ".bmp");
        WriteBytes(folder + "\\Symbol.txt", std::vector<uint8_t>(catalogue.begin(), catalogue.end()));
        std::vector<double> times;
        size_t peak = 0;
        for (int run = 0; run < (quick ? 1 : 7); ++run) {
            STARTUPINFOA startup = {};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION info = {};
            std::string command = "\"" + path + "\"";
            const double start = Now();
            if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                                &info)) {
                printf("cannot start %s (error %lu): no start-up figures\n", path.c_str(), GetLastError());
                return;
            }
            WaitForInputIdle(info.hProcess, 60000);
            times.push_back((Now() - start) * 1000);
            peak = std::max(peak, PeakPrivateBytes(info.hProcess));
            TerminateProcess(info.hProcess, 0);
            WaitForSingleObject(info.hProcess, 10000);
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
        std::vector<double> loads;
        for (int run = 0; run < (quick ? 1 : 7); ++run) {
            SymbolLibrary library = {};
            lstrcpynA(library.root, folder.c_str(), MAX_PATH);
            const double start = Now();
            LoadSymbolLibrary(GetModuleHandleA(nullptr), library);
            loads.push_back((Now() - start) * 1000);
            ReleaseSymbolLibrary(library);
        }
        printf("| %s | %d | %.0f | %.0f | %.0f |\n", c.what, c.records, Median(times), Median(loads),
               double(peak) / (1 << 20));
        fflush(stdout);
    }
}

int main(int argc, char** argv) {
    const char* only = argc > 1 ? argv[1] : "";
    const bool quick = strcmp(only, "quick") == 0;
    if (strcmp(only, "startup") == 0) {
        StartupTable(false);
        return 0;
    }
    SetCurrentDirectoryA(TempFolder("nexadraw-bench-empty").c_str());
    if (!StartApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL))
        return 1;
    std::shared_ptr<const SymbolPicture> picture = Picture();
    if (!picture)
        return 1;
    PaintAndDragTable(picture, quick, Layout::ACROSS);
    PaintAndDragTable(picture, quick, Layout::NEIGHBOURS);
    if (strcmp(only, "paint") == 0)
        return 0;
    ExportTable(quick);
    CostTable(picture, quick ? 2000 : 200000);
    picture.reset();
    DestroyWindow(appState.topology);
    StartupTable(quick);
    return 0;
}
