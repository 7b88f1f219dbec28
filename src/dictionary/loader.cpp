#include "dictionary/loader.h"

// PLACEHOLDER: replaced by the real loader.
bool loadDictionary(const std::string&, WordGame&, bool) { return false; }
