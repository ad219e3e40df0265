#include "properties.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

// Replays every file of a fuzz target's corpus through the target's property
// checks, without libFuzzer: corpus_replay TARGET FOLDER.
int main(int argc, char** argv)
{
    const ajuste::fuzz::Check check = argc == 3 ? ajuste::fuzz::checkFor(argv[1]) : nullptr;
    if (!check) {
        std::cerr << "usage: corpus_replay text_to_number|number_to_text|data_file|count_line|table_text FOLDER\n";
        return 2;
    }
    int passed = 0;
    int failed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string input{std::istreambuf_iterator<char>(file), {}};
        try {
            check(input);
            ++passed;
        } catch (const std::exception& error) {
            ++failed;
            std::cerr << entry.path().filename().string() << ": " << error.what() << '\n';
        }
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return passed > 0 && failed == 0 ? 0 : 1;
}
