#pragma once

// Decodes ARM instructions (A32, or Thumb) for the simulated target, one instruction at a
// time, through the Capstone disassembly library. Only host/ links Capstone.

#include <cstddef>
#include <cstdint>
#include <string>

class SimulatedDisassembler
{
public:
    enum class Mode { Arm, Thumb };

    SimulatedDisassembler();
    ~SimulatedDisassembler();
    SimulatedDisassembler(const SimulatedDisassembler &) = delete;
    SimulatedDisassembler &operator=(const SimulatedDisassembler &) = delete;

    // Decodes the first instruction of `bytes` at `address`: its length (0 when the bytes
    // hold no instruction) and its text ("mnemonic operands").
    size_t decode(Mode mode, const uint8_t *bytes, size_t size, uint32_t address,
                  std::string &text);

private:
    size_t m_handles[2] = {0, 0};
    bool m_opened[2] = {false, false};
};
