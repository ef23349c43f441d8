// Saves what an X window shows as a PNG, for the desktop window's test:
//
//   window_shot OUT.png [WINDOW_ID]      (default: the whole screen)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

void PutBig32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xff);
}

void Chunk(std::ofstream& file, const char* type, const std::string& data) {
    std::string chunk;
    PutBig32(chunk, static_cast<std::uint32_t>(data.size()));
    chunk += std::string(type, 4) + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.data() + 4), static_cast<uInt>(chunk.size() - 4));
    PutBig32(chunk, static_cast<std::uint32_t>(crc));
    file << chunk;
}

// 8-bit RGB rows, each led by filter type 0.
bool WritePng(const char* path, unsigned width, unsigned height, const std::vector<unsigned char>& rows) {
    std::vector<unsigned char> packed(compressBound(static_cast<uLong>(rows.size())));
    uLongf packedSize = static_cast<uLongf>(packed.size());
    if (compress(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size())) != Z_OK) return false;
    std::ofstream file(path, std::ios::binary);
    file << "\x89PNG\r\n\x1a\n";
    std::string header;
    PutBig32(header, width);
    PutBig32(header, height);
    header += std::string("\x08\x02\x00\x00\x00", 5);
    Chunk(file, "IHDR", header);
    Chunk(file, "IDAT", std::string(reinterpret_cast<char*>(packed.data()), packedSize));
    Chunk(file, "IEND", "");
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_shot OUT.png [WINDOW_ID]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_shot: cannot open the display\n");
        return 1;
    }
    Window window = argc > 2 ? std::strtoul(argv[2], nullptr, 0) : DefaultRootWindow(display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return 1;
    auto width = static_cast<unsigned>(attributes.width), height = static_cast<unsigned>(attributes.height);
    XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "window_shot: cannot read window %s\n", argc > 2 ? argv[2] : "root");
        return 1;
    }
    std::vector<unsigned char> rows;
    rows.reserve((width * 3 + 1) * height);
    for (unsigned y = 0; y < height; ++y) {
        rows.push_back(0);
        for (unsigned x = 0; x < width; ++x) {
            unsigned long pixel = XGetPixel(image, static_cast<int>(x), static_cast<int>(y));
            rows.push_back(static_cast<unsigned char>((pixel & image->red_mask) >> 16));
            rows.push_back(static_cast<unsigned char>((pixel & image->green_mask) >> 8));
            rows.push_back(static_cast<unsigned char>(pixel & image->blue_mask));
        }
    }
    XDestroyImage(image);
    XCloseDisplay(display);
    return WritePng(argv[1], width, height, rows) ? 0 : 1;
}
