#pragma once

// A small A32 program of the host's own, as the words a core would hold at kArmProgramBase:
// a counting loop that loads a word through a literal and calls a subroutine each time.
//
//   8000  mov r0, #0
//   8004  ldr r4, [pc, #0x14]    the literal at 8020
//   8008  ldr r5, [r4]           loop:
//   800c  bl 8024
//   8010  add r0, r0, #1
//   8014  cmp r0, #0x10
//   8018  bne 8008
//   801c  b 8000
//   8020  .word 0x20000100
//   8024  add r5, r5, r0         the subroutine
//   8028  bx lr

#include <cstdint>
#include <vector>

constexpr uint32_t kArmProgramBase = 0x8000;

inline const std::vector<uint32_t> &armProgramWords()
{
    static const std::vector<uint32_t> words = {
        0xE3A00000, 0xE59F4014, 0xE5945000, 0xEB000004, 0xE2800001, 0xE3500010,
        0x1AFFFFFA, 0xEAFFFFF7, 0x20000100, 0xE0855000, 0xE12FFF1E,
    };
    return words;
}

// The words as little-endian bytes.
inline std::vector<uint8_t> armProgramBytes()
{
    std::vector<uint8_t> bytes;
    for (uint32_t word : armProgramWords())
        for (int i = 0; i < 4; ++i)
            bytes.push_back(uint8_t(word >> (8 * i)));
    return bytes;
}
