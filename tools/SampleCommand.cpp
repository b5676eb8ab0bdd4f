#include "tools/SampleCommand.h"

#include "model/LemFileIO.h"
#include "model/Net.h"
#include "tools/CommandLine.h"
#include "tools/SampleMap.h"

namespace tarn::tool {

namespace {

constexpr int kDefaultSize = 201;

int RunSample(const std::vector<std::string>& words)
{
    const CommandLine args(words, {"size"});
    args.requirePositional(1);
    const int size = args.option("size") ? static_cast<int>(args.integerOption("size")) : kDefaultSize;
    if (size < 20 || size > 500)
        throw UsageError("--size must lie between 20 and 500");
    TNet net;
    BuildSampleMap(net, size);
    SaveLemFile(args.positional()[0], net);
    return kExitSuccess;
}

}  // namespace

const ToolCommand kSampleCommand{
    "sample", "generate the sample landscape",
    "usage: tarntool sample [--size N] OUT.lem\n"
    "\n"
    "Writes the sample landscape: N x N nodes 30 m apart (201 unless given, 20 to 500)\n"
    "with hills, a lake in a valley, every standard terrain, overlay objects and\n"
    "labels. The same N always gives the same file.\n",
    RunSample};

}  // namespace tarn::tool
