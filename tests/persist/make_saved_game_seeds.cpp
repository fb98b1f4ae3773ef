// Writes the seed corpus of the game-file fuzzer into the folder given as the argument: good
// files of a few games and a few damaged ones.

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "persist_fixtures.h"

namespace {

void Write(const std::string& folder, const std::string& name,
           const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tessary::testing;
    if (argc != 2) {
        std::cerr << "usage: make_saved_game_seeds <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<std::uint8_t> fixed = FixedGameBytes();
    Write(folder, "fixed_2x1.tsy", fixed);
    Write(folder, "fixed_cut_short.tsy", std::vector<std::uint8_t>(fixed.begin(), fixed.end() - 9));

    GameHarness small({.columns = 3, .rows = 2, .rotateElements = false});
    small.create();
    Write(folder, "created_3x2.tsy", GameFileBytes(small));

    GameHarness assembled({.columns = 4, .rows = 3, .elementSize = 16});
    assembled.create();
    AssembleTopRows(assembled);
    Write(folder, "assembled_4x3.tsy", GameFileBytes(assembled));
    return 0;
}
