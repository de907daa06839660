#include "screen_capture.h"

#include <cstdio>
#include <vector>

namespace {

constexpr WORD BMP_SIGNATURE = 0x4D42; // "BM"
constexpr WORD BITS_PER_PIXEL = 24;
constexpr int ROW_ALIGNMENT = 4;

int RowBytes(int width) {
    const int bytes = width * BITS_PER_PIXEL / 8;
    return (bytes + ROW_ALIGNMENT - 1) / ROW_ALIGNMENT * ROW_ALIGNMENT;
}

// Bottom-up rows of 24-bit pixels, as a BMP file stores them.
std::vector<BYTE> ReadPixels(HDC source, const RECT& area, BITMAPINFOHEADER* header) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    *header = BITMAPINFOHEADER{};
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = BITS_PER_PIXEL;
    header->biCompression = BI_RGB;
    std::vector<BYTE> pixels(static_cast<size_t>(RowBytes(width)) * height);
    const int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(),
                               reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return rows == height ? pixels : std::vector<BYTE>();
}

bool WriteBmp(const std::string& path, const BITMAPINFOHEADER& header,
              const std::vector<BYTE>& pixels) {
    BITMAPFILEHEADER file{};
    file.bfType = BMP_SIGNATURE;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                         std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

} // namespace

bool CaptureScreenArea(const RECT& area, const std::string& bmpPath) {
    if (area.right <= area.left || area.bottom <= area.top) {
        return false;
    }
    HDC screen = GetDC(nullptr);
    BITMAPINFOHEADER header{};
    const std::vector<BYTE> pixels = ReadPixels(screen, area, &header);
    ReleaseDC(nullptr, screen);
    return !pixels.empty() && WriteBmp(bmpPath, header, pixels);
}
