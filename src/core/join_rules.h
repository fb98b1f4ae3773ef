#pragma once

namespace tessary {

class ElementSet;

/// The join test of one drag step for the grabbed element g, whose block the step has just
/// moved. Every other element o is tested in index order, g's left, right, top and bottom side
/// in turn, each while g's side and o's facing side are free: the core squares must be aligned
/// and apart by at most captureRange (by exactly 0 once a join was made in this step), and g's
/// side must not be straight. With exact assembling o must be g's neighbour in the picture on
/// that side at the same rotation; without it the facing knobs and shifts must be opposite and
/// CanJoin must allow the move. A join links g and o, recomputes both field regions, redraws o,
/// moves g (with its carried block, which then links every abutting pair) against o and
/// unites the blocks. Returns the number of joins made; no memory is allocated when none is.
int ApplyJoinRules(ElementSet& set, int grabbed);

}  // namespace tessary
