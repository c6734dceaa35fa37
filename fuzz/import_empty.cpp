// A results file imported into a game with no history yet.
#include "importcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    dsfuzz::Input in(data, size);
    const ds::Game game = dsfuzz::gameOf(in.byte());
    dsfuzz::checkImport(in.rest(), game, {});
    return 0;
}
