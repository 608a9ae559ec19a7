// TarnwicketCheck's broadcast addresses: an http:// or https:// address is
// fetched once into a copy in the current folder, which is then checked as
// any game file is.
#pragma once

#include <string>

// The file to check for what the user named: the name itself, or the copy
// of a broadcast address fetched just now. False, with the "Can't fetch ..."
// text, when the address cannot be fetched.
bool FileToCheck(const std::string& name, std::string* file, std::string* failure);
