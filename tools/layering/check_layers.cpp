// check_layers SRC: checks that every `#include "<folder>/..."` (or
// `#include <<folder>/...>`) between the folders of SRC goes down the layers, and that the folders include each
// other without a cycle. Prints each offending include with its file and line
// and each cycle; exit status 1 when there is any, 0 otherwise.
//
// The layers, bottom first:
//   core
//   platform, widgets
//   entries, statistics, wheels, thunderball, links
//   lotto
//   app
// A folder may include its own headers and those of any lower layer. Folders
// of one layer may include each other as long as no cycle forms.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::map<std::string, int> Layers = {
    {"core", 0},        {"platform", 1}, {"widgets", 1},     {"entries", 2}, {"statistics", 2},
    {"wheels", 2},      {"thunderball", 2}, {"links", 2},    {"lotto", 3},   {"app", 4},
};

struct Include {
    std::string file; // relative to SRC
    int line;
    std::string header;
};

using Graph = std::map<std::string, std::map<std::string, Include>>; // from -> to -> first include

bool isSource(const fs::path &p)
{
    const std::string e = p.extension().string();
    return e == ".h" || e == ".hpp" || e == ".cpp" || e == ".cc";
}

// Depth-first search for cycles; each cycle is printed once, from the folder
// reached first.
void findCycles(const Graph &g, const std::string &at, std::vector<std::string> &path,
                std::set<std::string> &done, std::set<std::vector<std::string>> &seen, int &failures)
{
    path.push_back(at);
    const auto edges = g.find(at);
    if (edges != g.end()) {
        for (const auto &[to, inc] : edges->second) {
            const auto back = std::find(path.begin(), path.end(), to);
            if (back != path.end()) {
                std::vector<std::string> cycle(back, path.end());
                std::vector<std::string> key = cycle;
                std::rotate(key.begin(), std::min_element(key.begin(), key.end()), key.end());
                if (!seen.insert(key).second)
                    continue;
                ++failures;
                std::cout << "cycle:";
                for (const std::string &f : cycle)
                    std::cout << ' ' << f << " ->";
                std::cout << ' ' << to << '\n';
                for (size_t i = 0; i < cycle.size(); ++i) {
                    const std::string &from = cycle[i];
                    const std::string &next = i + 1 < cycle.size() ? cycle[i + 1] : to;
                    const Include &e = g.at(from).at(next);
                    std::cout << "  " << e.file << ':' << e.line << ": includes \"" << e.header << "\"\n";
                }
            } else if (!done.count(to)) {
                findCycles(g, to, path, done, seen, failures);
            }
        }
    }
    path.pop_back();
    done.insert(at);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: check_layers SRC\n";
        return 2;
    }
    const fs::path src = argv[1];
    if (!fs::is_directory(src)) {
        std::cerr << src << " is not a folder\n";
        return 2;
    }
    std::set<std::string> folders;
    for (const auto &entry : fs::directory_iterator(src)) {
        if (entry.is_directory())
            folders.insert(entry.path().filename().string());
    }

    int failures = 0;
    for (const std::string &f : folders) {
        if (!Layers.count(f)) {
            ++failures;
            std::cout << "src/" << f << ": a folder with no place in the layers\n";
        }
    }

    // Quoted or angle-bracket: a folder of SRC is one whichever way it is named.
    const std::regex include(R"re(^\s*#\s*include\s*(?:"([^"/]+)/([^"]*)"|<([^>/]+)/([^>]*)>))re");
    Graph graph;
    std::vector<fs::path> files;
    for (const auto &entry : fs::recursive_directory_iterator(src)) {
        if (entry.is_regular_file() && isSource(entry.path()))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path &path : files) {
        const fs::path rel = fs::relative(path, src);
        const std::string from = rel.begin()->string();
        if (rel.begin() == std::prev(rel.end()))
            continue; // a file directly in SRC belongs to no folder
        std::ifstream in(path);
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch m;
            if (!std::regex_search(text, m, include))
                continue;
            const int at = m[1].matched ? 1 : 3;
            const std::string to = m[at].str();
            if (to == from || !folders.count(to))
                continue;
            const Include inc{"src/" + rel.generic_string(), line, to + '/' + m[at + 1].str()};
            graph[from].emplace(to, inc);
            const auto lf = Layers.find(from), lt = Layers.find(to);
            if (lf == Layers.end() || lt == Layers.end())
                continue; // reported above
            if (lt->second > lf->second) {
                ++failures;
                std::cout << inc.file << ':' << line << ": " << from << " includes \"" << inc.header
                          << "\" from " << to << ", a layer above it\n";
            }
        }
    }

    std::vector<std::string> path;
    std::set<std::string> done;
    std::set<std::vector<std::string>> seen;
    for (const auto &[from, edges] : graph) {
        if (!done.count(from))
            findCycles(graph, from, path, done, seen, failures);
    }

    if (failures == 0)
        std::cout << "The includes between the folders of " << src.string() << " follow the layers.\n";
    else
        std::cout << failures << " break" << (failures == 1 ? "" : "s") << " of the layers.\n";
    return failures == 0 ? 0 : 1;
}
