// A results file imported into an existing (possibly damaged) history of one
// of the game's eras: the first part of the input is the history, the rest
// the results file.
#include "importcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const quint8 pick = in.byte();
    const ds::Era &era = dsfuzz::eraOf(pick);
    const quint16 split = in.u16();
    const QByteArray all = in.rest();
    ds::EraFiles files(ds::erasOf(era.game).size());
    QByteArray &history = files[size_t(&era - ds::erasOf(era.game).data())];
    history = all.left(split % (all.size() + 1));
    dsfuzz::checkImport(all.mid(history.size()), era.game, files);
    return 0;
}
