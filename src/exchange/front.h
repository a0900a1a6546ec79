#pragma once

// Where a message is read. The tool's user answers it with the command's
// options and runs the command again; a window's user with its menus, on
// edits that are still pending.
enum class Front { Tool, Window };
