#include "resources/Images.h"

// Generated in the build folder from the PNGs beside this file.
#include "ImageBytes.inc"

std::span<const unsigned char> LogoPng()
{
    return LogoPngBytes;
}

std::vector<std::span<const unsigned char>> IconPngs()
{
    return {IconPng16Bytes, IconPng32Bytes, IconPng48Bytes, IconPng64Bytes, IconPng128Bytes, IconPng256Bytes};
}

std::vector<std::span<const unsigned char>> WindowIconPngs()
{
    return {IconPng16Bytes, IconPng32Bytes, IconPng48Bytes, IconPng64Bytes};
}
