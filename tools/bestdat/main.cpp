// Writes the default table of the best players, as a fresh game folder has it.
#include "core/errors.h"
#include "core/topten.h"

#include <QString>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zkbestdat OUT\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    try {
        zk::ResetTopTen(out);
    } catch (const zk::GameError& e) {
        std::fprintf(stderr, "zkbestdat: %s: %s\n", argv[1], qPrintable(e.text()));
        return 1;
    }
    return 0;
}
