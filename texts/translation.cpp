#include "translation.h"

namespace monocl {

namespace {

TextTranslator currentTranslator = nullptr;

} // namespace

void setTextTranslator(TextTranslator translator)
{
    currentTranslator = translator;
}

std::string translated(const char* context, const char* text)
{
    return currentTranslator ? currentTranslator(context, text) : std::string(text);
}

std::string withValues(std::string text, std::initializer_list<std::string> values)
{
    char number = '1';
    for (const std::string& value : values) {
        const char marker[] = {'%', number++, '\0'};
        if (const std::size_t at = text.find(marker); at != std::string::npos)
            text.replace(at, 2, value);
    }
    return text;
}

} // namespace monocl
