// tarntool: the suite's command-line tool over the map libraries.
#include "tools/Tarntool.h"

int main(int argc, char** argv) { return tarn::tool::RunTarntool({argv + 1, argv + argc}); }
