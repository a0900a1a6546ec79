#pragma once

// Makes standard output and error pass bytes as they are: on Windows they
// would otherwise turn each "\n" into "\r\n", and an export printed there
// would differ from one written with -o and from the same export elsewhere.
void UseBinaryConsole();
