#pragma once

#include <cstdint>
#include <span>

namespace tessary {

class ElementSet;

/// Regroups the rest of the element's block after its partners dropped their links to it.
/// The element's own links name its former neighbours; each not yet reached starts a
/// breadth-first walk over links (top, right, bottom, left), and each walk becomes a block.
/// When the first walk reaches every other former neighbour the block stayed whole and loses
/// only the element. The element ends a block of its own; its links are left to the caller.
void RebuildMembership(ElementSet& set, int index);

/// Unites the element's block with `other`'s block; every member sees the united set.
void MergeMembership(ElementSet& set, int index, int other);

/// Writes the element's block as one flag per element of the game: 1 for a member (the
/// element itself included), else 0. flags.size() == elementCount.
void WriteMemberFlags(const ElementSet& set, int index, std::span<int32_t> flags);

/// Restores the element's block from stored flags (nonzero = member; the element itself
/// always counts). Elements are restored in index order into a set whose blocks are still
/// those of its construction. Returns false, changing nothing, when there is not one flag per
/// element or the flags contradict an earlier element's: all members list a block alike.
[[nodiscard]] bool RestoreMemberFlags(ElementSet& set, int index, std::span<const int32_t> flags);

}  // namespace tessary
