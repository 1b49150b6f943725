# Writes the program's version and today's date into OUTPUT; run at every build. The file
# only changes when the date (or the version) does, so a rebuild on the same day recompiles
# nothing. SOURCE_DATE_EPOCH, when set, fixes the date.
string(TIMESTAMP build_date "%d.%m.%Y")
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT
  "#pragma once\n#define VEX_VERSION \"${VERSION}\"\n#define VEX_BUILD_DATE \"${build_date}\"\n")
