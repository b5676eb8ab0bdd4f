// tarntool: the suite's command-line tool over the map libraries, in a
// program that starts at once; it hands the commands it does not hold to the
// complete program beside it (LightTarntool.h).
#include "tools/LightTarntool.h"

int main(int argc, char** argv) { return tarn::tool::RunLightTarntool(argc, argv); }
