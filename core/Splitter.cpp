#include "core/Splitter.h"

int splitAtDashes(const QString& text, QString* fields, int clearCount, int lastSlot) {
    for (int i = 0; i < clearCount; ++i)
        fields[i].clear();
    int index = 0;
    int overflows = 0;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('-')) {
            ++index;
            if (index > clearCount - 1)
                ++overflows;
            continue;
        }
        if (index <= lastSlot)
            fields[index].append(ch);
    }
    return overflows;
}
