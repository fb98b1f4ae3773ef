#pragma once

namespace tessary {

/// Lets a test follow an out-of-memory outcome through the whole program: the guarded build of
/// a game (CreateElements, BuildLoadedGame, FinishLoadedGame) that comes after `buildsToPass`
/// others runs out of memory at its start, once, as if an allocation had failed there.
void InjectBuildMemoryFault(int buildsToPass = 0);

/// Called as a guarded build starts: throws std::bad_alloc when an injected fault is due.
void StrikeInjectedMemoryFault();

}  // namespace tessary
