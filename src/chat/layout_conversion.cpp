#include "chat/layout_conversion.h"

#include <algorithm>
#include <iterator>

namespace quorvelle::chat {

namespace {

struct KeyPair
{
    char16_t us;
    char16_t russian;
};

// One entry per key position whose character differs; all of them lie in Windows-1251,
// so converted text still goes out on the wire unchanged.
constexpr KeyPair kKeys[] = {
    {u'q', u'й'}, {u'w', u'ц'}, {u'e', u'у'}, {u'r', u'к'}, {u't', u'е'},  {u'y', u'н'},
    {u'u', u'г'}, {u'i', u'ш'}, {u'o', u'щ'}, {u'p', u'з'}, {u'a', u'ф'},  {u's', u'ы'},
    {u'd', u'в'}, {u'f', u'а'}, {u'g', u'п'}, {u'h', u'р'}, {u'j', u'о'},  {u'k', u'л'},
    {u'l', u'д'}, {u'z', u'я'}, {u'x', u'ч'}, {u'c', u'с'}, {u'v', u'м'},  {u'b', u'и'},
    {u'n', u'т'}, {u'm', u'ь'}, {u'Q', u'Й'}, {u'W', u'Ц'}, {u'E', u'У'},  {u'R', u'К'},
    {u'T', u'Е'}, {u'Y', u'Н'}, {u'U', u'Г'}, {u'I', u'Ш'}, {u'O', u'Щ'},  {u'P', u'З'},
    {u'A', u'Ф'}, {u'S', u'Ы'}, {u'D', u'В'}, {u'F', u'А'}, {u'G', u'П'},  {u'H', u'Р'},
    {u'J', u'О'}, {u'K', u'Л'}, {u'L', u'Д'}, {u'Z', u'Я'}, {u'X', u'Ч'},  {u'C', u'С'},
    {u'V', u'М'}, {u'B', u'И'}, {u'N', u'Т'}, {u'M', u'Ь'}, {u'[', u'х'},  {u']', u'ъ'},
    {u'{', u'Х'}, {u'}', u'Ъ'}, {u';', u'ж'}, {u':', u'Ж'}, {u'\'', u'э'}, {u'"', u'Э'},
    {u',', u'б'}, {u'.', u'ю'}, {u'<', u'Б'}, {u'>', u'Ю'}, {u'/', u'.'},  {u'?', u','},
    {u'`', u'ё'}, {u'~', u'Ё'}, {u'@', u'"'}, {u'#', u'№'}, {u'$', u';'},  {u'^', u':'},
    {u'&', u'?'}, {u'|', u'/'},
};

// The inverse direction is only well defined while no character appears twice on a side.
constexpr bool EachSideDistinct()
{
    for (auto a = std::begin(kKeys); a != std::end(kKeys); ++a)
        for (auto b = std::next(a); b != std::end(kKeys); ++b)
            if (a->us == b->us || a->russian == b->russian)
                return false;
    return true;
}
static_assert(EachSideDistinct());
static_assert(std::size(kKeys) == 2 * 26 + 22);

char16_t Convert(char16_t c, LayoutDirection direction)
{
    const bool toRussian = direction == LayoutDirection::UsToRussian;
    const auto* key = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const KeyPair& k) {
        return (toRussian ? k.us : k.russian) == c;
    });
    if (key == std::end(kKeys))
        return c;
    return toRussian ? key->russian : key->us;
}

} // namespace

QString ConvertLayout(QStringView text, LayoutDirection direction)
{
    QString converted(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), converted.begin(),
                   [direction](QChar c) { return QChar(Convert(c.unicode(), direction)); });
    return converted;
}

} // namespace quorvelle::chat
