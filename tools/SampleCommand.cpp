#include "model/LemFileIO.h"
#include "model/Net.h"
#include "tools/Command.h"
#include "tools/SampleMap.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace tarn::tool {

namespace {

struct TSampleOptions {
    int size = 201;
    std::string output;
};

int RunSample(const TSampleOptions& options)
{
    TNet net;
    BuildSampleMap(net, options.size);
    SaveLemFile(options.output, net);
    return kExitSuccess;
}

}  // namespace

TCommand AddSampleCommand(CLI::App& tool)
{
    auto options = std::make_shared<TSampleOptions>();
    auto* command = tool.add_subcommand("sample", "generate the sample landscape");
    command->footer("Writes the sample landscape: N x N nodes 30 m apart with hills, a lake in a\n"
                    "valley, every standard terrain, overlay objects and labels. The same N always\n"
                    "gives the same file.");
    command->add_option("--size", options->size, "nodes along each side (201 unless given)")
        ->check(CLI::Range(20, 500))
        ->option_text("N");
    command->add_option("OUT.lem", options->output, "the map file to write")->required();
    return {command, [options] { return RunSample(*options); }};
}

}  // namespace tarn::tool
