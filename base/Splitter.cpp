#include "base/Splitter.h"

int splitAtDashes(const QString& text, QString* fields, int count) {
    for (int i = 0; i < count; ++i)
        fields[i].clear();
    int index = 0;
    int overflows = 0;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('-')) {
            ++index;
            if (index > count - 1)
                ++overflows;
            continue;
        }
        if (index < count)
            fields[index].append(ch);
    }
    return overflows;
}
