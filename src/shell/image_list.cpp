#include "shell/image_list.h"

#include <QHash>
#include <algorithm>
#include <array>

// The pictures are compiled into a static library, whose resources register
// only when asked to.
static void registerIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace quorvelle::shell {

namespace {

void ensureResources()
{
    static const bool once = (registerIconResources(), true);
    Q_UNUSED(once);
}

constexpr std::array kIndices{
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  15,  17,  18,  19,  20,  21, 26,
    28,  29,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  50,  51,  65,  66,  67,  68, 69,
    81,  82,  83,  84,  85,  86,  87,  88,  89,  90,  91,  92,  93,  94,  95,  96,  97,  98, 99,
    100, 101, 102, 110, 111, 112, 113, 114, 115, 116, 117, 118, 120, 121, 122, 123, 124, 125};

} // namespace

bool ImageList::has(int index)
{
    return std::binary_search(kIndices.begin(), kIndices.end(), index);
}

QIcon ImageList::icon(int index)
{
    if (!has(index))
        return {};
    ensureResources();
    // Views ask for the same few pictures on every repaint; loading an SVG each time is wasteful.
    static QHash<int, QIcon> cache;
    auto it = cache.constFind(index);
    if (it == cache.constEnd()) {
        const QString path = QStringLiteral(":/icons/%1.svg").arg(index, 2, 10, QLatin1Char('0'));
        it = cache.insert(index, QIcon(path));
    }
    return *it;
}

QIcon ImageList::appIcon()
{
    ensureResources();
    static const QIcon icon(QStringLiteral(":/icons/app.svg"));
    return icon;
}

} // namespace quorvelle::shell
