// The line-mode transcript checker (support/transcript_checker.h) for the
// end-to-end scripts: checks what a run wrote, and, given the lines it was
// fed, that every word among them got exactly one result line.
// Usage: transcript_check OUTPUT [INPUT] [--crlf]; status 1 with the
// problems on standard error.

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/transcript_checker.h"

namespace {

std::string contentsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

size_t wordsIn(const std::string& input) {
  size_t words = 0;
  for (const support::TranscriptLine& line : support::linesOf(input, true))
    words += support::isTypedWord(line.text);
  return words;
}

size_t resultsIn(const std::string& output, bool crlf) {
  size_t results = 0;
  for (const support::TranscriptLine& line : support::linesOf(output, crlf)) {
    results += support::isResultLine(line.text);
  }
  return results;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<std::string> files;
  support::CheckedRules rules;
  rules.timed = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--crlf")
      rules.crlf = true;
    else
      files.push_back(argument);
  }
  if (files.empty()) return std::cerr << "usage: transcript_check OUTPUT [INPUT] [--crlf]\n", 2;
  const std::string output = contentsOf(files[0]);
  std::vector<std::string> problems = support::outputProblems(output, rules);
  if (files.size() > 1 && wordsIn(contentsOf(files[1])) != resultsIn(output, rules.crlf)) {
    problems.push_back(std::to_string(wordsIn(contentsOf(files[1]))) + " words typed but " +
                       std::to_string(resultsIn(output, rules.crlf)) + " result lines");
  }
  for (const std::string& problem : problems) std::cerr << problem << "\n";
  return problems.empty() ? 0 : 1;
}
