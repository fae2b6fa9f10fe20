#pragma once
// Where the platform allows it, a loop marked TAVELAO_WITH_POPCNT is built
// twice and the loader picks the build with the processor's population-count
// instruction.

#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define TAVELAO_WITH_POPCNT __attribute__((target_clones("popcnt", "default")))
#endif
#endif
#ifndef TAVELAO_WITH_POPCNT
#define TAVELAO_WITH_POPCNT
#endif
