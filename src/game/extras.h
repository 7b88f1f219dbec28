#pragma once
// What the game adds to the classic screens: the live word counts and the
// feedback on each word in a round, the review of a round's words at its
// end with what they mean, and the best scores kept from run to run. All of it sits in rows the
// classic screens leave empty or behind keys that do nothing there, and the
// default, all off, gives the classic screens byte for byte.

namespace records {
class Store;
}
namespace dictionary {
class MeaningsOnDemand;
}

struct Extras {
  bool shown = false;                 ///< counts, feedback and the review
  records::Store* records = nullptr;  ///< the lasting best scores; none when null
  /// What words mean, in the review and for the word of a lost round; none when null.
  dictionary::MeaningsOnDemand* meanings = nullptr;
};
