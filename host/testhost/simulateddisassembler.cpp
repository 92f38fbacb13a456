#include "simulateddisassembler.h"

#include <capstone/capstone.h>

SimulatedDisassembler::SimulatedDisassembler() = default;

SimulatedDisassembler::~SimulatedDisassembler()
{
    for (int i = 0; i < 2; ++i) {
        if (m_opened[i]) {
            csh handle = m_handles[i];
            cs_close(&handle);
        }
    }
}

size_t SimulatedDisassembler::decode(Mode mode, const uint8_t *bytes, size_t size, uint32_t address,
                                     std::string &text)
{
    const int index = mode == Mode::Thumb ? 1 : 0;
    if (!m_opened[index]) {
        csh handle = 0;
        if (cs_open(CS_ARCH_ARM, mode == Mode::Thumb ? CS_MODE_THUMB : CS_MODE_ARM, &handle) !=
            CS_ERR_OK)
            return 0;
        m_handles[index] = handle;
        m_opened[index] = true;
    }
    cs_insn *instruction = nullptr;
    const size_t count = cs_disasm(m_handles[index], bytes, size, address, 1, &instruction);
    if (count == 0)
        return 0;
    text = instruction->mnemonic;
    if (instruction->op_str[0]) {
        text += ' ';
        text += instruction->op_str;
    }
    const size_t length = instruction->size;
    cs_free(instruction, count);
    return length;
}
