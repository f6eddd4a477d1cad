// Files the RS tests make and read: a scratch folder per test, whole files, PNG and BMP images.
#pragma once

#include "UniString.hpp"

#include <filesystem>
#include <string>
#include <vector>

namespace RSTest {

// A fresh folder, removed with everything in it when the holder goes.
class ScratchFolder {
public:
    ScratchFolder ();
    ScratchFolder (const ScratchFolder&) = delete;
    ScratchFolder& operator= (const ScratchFolder&) = delete;
    ~ScratchFolder ();

    const std::filesystem::path& Path () const { return path; }
    std::filesystem::path        operator/ (const std::string& name) const { return path / name; }

private:
    std::filesystem::path path;
};

std::vector<unsigned char> ReadBytes (const std::filesystem::path& path);
void                       WriteBytes (const std::filesystem::path& path, const std::vector<unsigned char>& bytes);
void                       WriteText (const std::filesystem::path& path, const std::string& text);
std::string                ReadText (const std::filesystem::path& path);

// 8-bit RGBA pixels, rows top to bottom.
struct Pixels {
    int                        width = 0, height = 0;
    std::vector<unsigned char> rgba;

    const unsigned char* At (int x, int y) const { return &rgba[(static_cast<std::size_t> (y) * width + x) * 4]; }
};

// A size × size image of one colour.
Pixels                     Solid (int size, unsigned char r, unsigned char g, unsigned char b, unsigned char a = 255);
std::vector<unsigned char> EncodePng (const Pixels& pixels);
void                       WritePng (const std::filesystem::path& path, const Pixels& pixels);
Pixels                     DecodePngOrFail (const std::vector<unsigned char>& png);

// The pixels of a 32-bit BMP file with bit-field masks, top row first; fails the test on
// anything else.
Pixels DecodeBmpOrFail (const std::vector<unsigned char>& bmp);

std::string Utf8 (const GS::UniString& text);

}   // namespace RSTest
