// A results file imported into an existing (possibly damaged) history: the
// first part of the input is the history, the rest the results file.
#include "importcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const ds::Game game = dsfuzz::gameOf(in.byte());
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    const QByteArray history = all.left(split % (all.size() + 1));
    dsfuzz::checkImport(all.mid(history.size()), game, history);
    return 0;
}
