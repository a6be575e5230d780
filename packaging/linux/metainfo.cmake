# Writes the AppStream metadata from its template:
#   cmake -DTEMPLATE=… -DOUTPUT=… -DID=… -DVERSION=… -DDATE=YYYY-MM-DD
#         [-DSCREENSHOT_URL=https://…/docs/] -P metainfo.cmake
# Software centres fetch screenshots from the web, never from the package: they are listed only
# when SCREENSHOT_URL says where the README's pictures (docs/*.png) are published.
foreach(required TEMPLATE OUTPUT ID VERSION DATE)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "metainfo.cmake needs -D${required}=…")
  endif()
endforeach()

# The README's pictures: file in docs/, caption, caption in Russian. The first is the default.
set(screenshots
  "main-window.png|The circuit, its parameters and the result table|Схема, ее параметры и таблица результатов"
  "graph-ratio.png|The gain as a ratio over frequency|Коэффициент усиления в разах от частоты"
  "graph-decibels.png|The gain in decibels over the logarithm of frequency|Коэффициент усиления в децибелах от логарифма частоты"
  "graph-readout.png|The curve read under the pointer|Значение кривой под указателем"
  "graph-two-curves.png|Two stages' curves side by side|Кривые двух каскадов рядом"
  "help-window.png|The help: the amplifier model and the units of entry|Справка: модель усилителя и единицы ввода")

set(OU_SCREENSHOTS "")
if(SCREENSHOT_URL)
  string(APPEND OU_SCREENSHOTS "  <screenshots>\n")
  set(type " type=\"default\"")
  foreach(entry IN LISTS screenshots)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 file)
    list(GET fields 1 caption)
    list(GET fields 2 caption_ru)
    string(APPEND OU_SCREENSHOTS
      "    <screenshot${type}>\n"
      "      <caption>${caption}</caption>\n"
      "      <caption xml:lang=\"ru\">${caption_ru}</caption>\n"
      "      <image>${SCREENSHOT_URL}${file}</image>\n"
      "    </screenshot>\n")
    set(type "")
  endforeach()
  string(APPEND OU_SCREENSHOTS "  </screenshots>\n")
endif()

set(OU_APPSTREAM_ID ${ID})
set(PROJECT_VERSION ${VERSION})
set(OU_RELEASE_DATE ${DATE})
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
