// A model's name among others: comparing names, a fresh name for a copy, and the name record
// in the saved state file.
#include "framework/KorObj.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal text of (digits + 1), without leading zeros and without any limit on the length,
// so that a long run of digits in a name cannot overflow.
std::string IncrementDecimal(const std::string& digits)
{
    std::size_t first = digits.find_first_not_of('0');
    std::string number = first == std::string::npos ? "0" : digits.substr(first);
    for (std::size_t i = number.size(); i-- > 0;) {
        if (number[i] != '9') {
            ++number[i];
            return number;
        }
        number[i] = '0';
    }
    return "1" + number;
}

} // namespace

int CKorObj::CompareNames(const CKorObj& other) const
{
    std::string mine;
    std::string theirs;
    GetName(mine);
    other.GetName(theirs);
    return mine == theirs ? 1 : 0;
}

int CKorObj::MakeUniqueName()
{
    std::string name;
    GetName(name);
    if (name.empty())
        name = "new";
    if (IsDigit(name.back())) {
        // The first character never joins the run, so a lone digit gets "1" appended.
        std::size_t start = name.size() - 1;
        while (start > 1 && IsDigit(name[start - 1]))
            --start;
        if (start == 0)
            name += "1";
        else
            name = name.substr(0, start) + IncrementDecimal(name.substr(start));
    } else {
        name += "1";
    }
    return SetName(name);
}

int CKorObj::ReadNameRecord(std::FILE* file)
{
    unsigned char size[2];
    if (std::fread(size, 1, 2, file) != 2)
        return 0;
    std::size_t remaining = static_cast<std::size_t>(size[0]) | (static_cast<std::size_t>(size[1]) << 8);
    unsigned char piece[80];
    while (remaining > 0) {
        const std::size_t wanted = std::min<std::size_t>(remaining, sizeof piece);
        if (std::fread(piece, 1, wanted, file) != wanted)
            return 0;
        remaining -= wanted;
    }
    return 1;
}

int CKorObj::WriteNameRecord(std::FILE* file) const
{
    const unsigned char empty[2] = {0, 0};
    return std::fwrite(empty, 1, 2, file) == 2 ? 1 : 0;
}
