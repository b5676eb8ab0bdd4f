// tarntool-all: the suite's complete command-line tool over the map
// libraries, which the light tarntool runs for the commands it does not hold.
#include "tools/Tarntool.h"

int main(int argc, char** argv) { return tarn::tool::RunTarntool({argv + 1, argv + argc}); }
