#include "stats/statistics_viewer.h"

// PLACEHOLDER: replaced by the real viewer.
void showBucketStatistics(const WordGame&) {}
void drawStatisticsFooter(uint32_t) {}
void drawBucketBar(float) {}
