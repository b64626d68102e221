#pragma once

#include <array>
#include <cstdint>

namespace kalvo {

inline constexpr char kSquareSign = '\xB2';
inline constexpr char kCubeSign = '\xB3';
inline constexpr char kRootSign = '\xBD';
inline constexpr char kPiSign = '\xB6';

/// Fixed character classes of the grammar, as bit flags per Latin-1 character.
namespace char_class {

enum : std::uint16_t {
    kAdditive = 1,            ///< + - & | backslash
    kMultiplicative = 2,      ///< * / %
    kFollower = 4,            ///< may follow an operand
    kTerminator = 8,          ///< ends a name
    kLetter = 16,             ///< A-Z a-z
    kBadTermStart = 32,       ///< may not begin a term: % & backslash ^ | squared cubed
    kBadAfterPower = 64,      ///< may not follow "^"
    kPostfix = 128,           ///< "^" squared root cubed
    kTermEnd = 256,           ///< may follow a term's first factor: ")" the end, + - & | backslash * / %
};

constexpr std::array<std::uint16_t, 256> MakeTable() {
    std::array<std::uint16_t, 256> t{};
    auto set = [&t](char c, std::uint16_t flags) { t[static_cast<unsigned char>(c)] |= flags; };
    for (char c : {'+', '-', '&', '|', '\\'}) {
        set(c, kAdditive | kFollower | kTerminator);
    }
    for (char c : {'*', '/', '%'}) {
        set(c, kMultiplicative | kFollower | kTerminator | kBadAfterPower);
    }
    for (char c : {')', ',', '^', kSquareSign, kCubeSign, kRootSign, '\x7F'}) {
        set(c, kFollower | kTerminator);
    }
    set('(', kTerminator);
    set('=', kTerminator);
    for (char c = 'A'; c <= 'Z'; ++c) {
        set(c, kLetter);
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        set(c, kLetter);
    }
    for (char c : {'%', '&', '\\', '^', '|', kSquareSign, kCubeSign}) {
        set(c, kBadTermStart | kBadAfterPower);
    }
    set(kRootSign, kBadAfterPower);
    for (char c : {')', '\x7F', '+', '-', '&', '|', '\\', '*', '/', '%'}) {
        set(c, kTermEnd);
    }
    for (char c : {'^', kSquareSign, kCubeSign, kRootSign}) {
        set(c, kPostfix);
    }
    return t;
}

inline constexpr std::array<std::uint16_t, 256> kTable = MakeTable();

inline bool Is(char c, std::uint16_t flags) {
    return (kTable[static_cast<unsigned char>(c)] & flags) != 0;
}

}  // namespace char_class

inline bool IsAdditive(char c) {
    return char_class::Is(c, char_class::kAdditive);
}
inline bool IsMultiplicative(char c) {
    return char_class::Is(c, char_class::kMultiplicative);
}
inline bool IsOperandFollower(char c) {
    return char_class::Is(c, char_class::kFollower);
}
inline bool IsNameTerminator(char c) {
    return char_class::Is(c, char_class::kTerminator);
}
inline bool IsAsciiLetter(char c) {
    return char_class::Is(c, char_class::kLetter);
}

/// The variable letters X Y Z V W I J K M N in either case, by slot 1..10 (0: none).
inline constexpr std::array<std::uint8_t, 256> kVariableSlots = [] {
    std::array<std::uint8_t, 256> t{};
    const char* lower = "xyzvwijkmn";
    const char* upper = "XYZVWIJKMN";
    for (std::uint8_t i = 0; i < 10; ++i) {
        t[static_cast<unsigned char>(lower[i])] = static_cast<std::uint8_t>(i + 1);
        t[static_cast<unsigned char>(upper[i])] = static_cast<std::uint8_t>(i + 1);
    }
    return t;
}();

inline bool IsVariableLetter(char c) {
    return kVariableSlots[static_cast<unsigned char>(c)] != 0;
}
inline int VariableSlotOf(char c) {
    return kVariableSlots[static_cast<unsigned char>(c)];
}

/// Value of a digit character: 0-9 and A-F; every other character is worth 0.
inline int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;
}

}  // namespace kalvo
