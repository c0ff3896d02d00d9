// The limits oscilab-leexls puts on itself before it opens a workbook, so that a damaged
// file that sends FreeXL into a loop or a runaway allocation ends the helper, not the
// machine's patience.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define OSCILAB_CON_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OSCILAB_CON_ASAN 1
#endif
#endif
#ifndef OSCILAB_CON_ASAN
#define OSCILAB_CON_ASAN 0
#endif

namespace leexls {

inline constexpr int SEGUNDOS_CPU = 5;
inline constexpr long long BYTES_MEMORIA = 512LL * 1024 * 1024;

// CPU time, address space and core files. False when a limit cannot be set. The address
// space limit is left out under AddressSanitizer, whose shadow memory alone is larger.
bool limitaRecursos();

} // namespace leexls
