# cmake -DSOURCE=cameras.xml -DOUTPUT=<file> -DLANGUAGE=en|zh -P GenerateCameraCatalogue.cmake
#
# Writes one language's camera catalogue from the shared source: English
# drops every name_zh attribute; Chinese puts name_zh in place of name.
file(READ ${SOURCE} text)
if(LANGUAGE STREQUAL "zh")
  string(REGEX REPLACE "name=\"[^\"]*\" name_zh=\"([^\"]*)\"" "name=\"\\1\"" text "${text}")
elseif(LANGUAGE STREQUAL "en")
  string(REGEX REPLACE " name_zh=\"[^\"]*\"" "" text "${text}")
else()
  message(FATAL_ERROR "LANGUAGE must be en or zh")
endif()
if(text MATCHES "name_zh=")
  message(FATAL_ERROR "${SOURCE}: name_zh must follow name directly")
endif()
# Both outputs say where they come from instead of how to build them.
string(REGEX REPLACE "<!-- Camera catalogue of the lens calculator:[^>]*-->"
  "<!-- Camera catalogue of the lens calculator (${LANGUAGE}). Generated from\n     data/lens/cameras.xml; edit that file. -->" text "${text}")
file(WRITE ${OUTPUT}.new "${text}")
file(RENAME ${OUTPUT}.new ${OUTPUT})
