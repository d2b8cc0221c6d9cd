#pragma once
// Waiting until the module has done what an action set off: the events it posted (the posted
// load-screen message of a Yes/No move, for example) are all handled.
namespace ftb::host {

// Handles events until a probe posted at low priority arrives, which is once every event posted
// meanwhile at the normal priority has been handled; twice, since a handler that processes the
// pending events itself takes the first probe with them.
void WaitUntilIdle();

}  // namespace ftb::host
