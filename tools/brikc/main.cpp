// brikc: compiles a template source into a document file, or dumps a
// document file as source.
//
//   brikc SOURCE OUTPUT        compile; errors as "SOURCE:line: message"
//   brikc --library TOP SOURCE OUTPUT
//                              the same, shared files looked up to TOP
//   brikc --dump BRIK [OUTPUT] write BRIK as source to OUTPUT or stdout
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tools/brikc/brik_io.h"
#include "tools/brikc/compile.h"
#include "tools/brikc/dump.h"
#include "tools/brikc/source_error.h"

namespace {

namespace fs = std::filesystem;

int usage() {
    std::cerr << "usage: brikc [--library TOP] SOURCE OUTPUT\n       brikc --dump BRIK [OUTPUT]\n";
    return 2;
}

bool read_file(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

int compile(const std::string& source, const std::string& output, const std::string& top = {}) {
    std::string bytes;
    if (!read_file(source, bytes)) {
        std::cerr << source << ": cannot be read\n";
        return 1;
    }
    brikc::brik_tree tree;
    try {
        tree = brikc::compile_source(bytes, brikc::shared_files_beside(source, top));
    } catch (const brikc::source_error& error) {
        std::cerr << brikc::located(source, error) << "\n";
        return 1;
    }
    const fs::path out(output);
    std::error_code ignored;
    if (out.has_parent_path()) fs::create_directories(out.parent_path(), ignored);
    if (!brikc::write_brik(std::move(tree), out)) {
        std::cerr << output << ": cannot be written\n";
        return 1;
    }
    return 0;
}

int dump(const std::string& brik, const char* output) {
    const auto tree = brikc::read_brik(brik);
    if (!tree) {
        std::cerr << brik << ": not a readable document file\n";
        return 1;
    }
    const std::string text = brikc::dump_source(*tree);
    if (!output) {
        std::cout << text;
        return std::cout.good() ? 0 : 1;
    }
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) {
        std::cerr << output << ": cannot be written\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && argc <= 4 && std::string(argv[1]) == "--dump")
        return dump(argv[2], argc == 4 ? argv[3] : nullptr);
    if (argc == 3 && std::string(argv[1]).rfind("--", 0) != 0) return compile(argv[1], argv[2]);
    if (argc == 5 && std::string(argv[1]) == "--library") return compile(argv[3], argv[4], argv[2]);
    return usage();
}
