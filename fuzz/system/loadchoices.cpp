// The host's Load Binary choices: one choice a line, a flag digit, a separator and the entry.
// Every line that is not empty becomes a choice whose keyword is a word of its entry.
#include "system/nativeloaddialogs.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<tesk::system::LoadChoice> choices = tesk::system::parseLoadChoices(text);
    if (choices.size() > text.size())
        std::abort();
    for (const tesk::system::LoadChoice &choice : choices) {
        if (choice.locationIsOffset < 0 || choice.locationIsOffset > 9)
            std::abort();
        const QString keyword = tesk::system::loadChoiceKeyword(choice.entry);
        if (!choice.entry.contains(keyword) || keyword.contains(QLatin1Char(' ')))
            std::abort();
    }
    return 0;
}
