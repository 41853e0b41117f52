# The dasa systems: period tree, dispatcher and calculators. No Qt here.
add_library(dasa STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dasa_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_cycle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_dispatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_kalachakra.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_nakshatra.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_other.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_other_graha.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_other_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_period.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_rasi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_rasi_ayur.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_rasi_chara.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_rasi_narayana.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_rasi_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_tree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dasa_years.cpp
)
target_link_libraries(dasa PUBLIC chart document_options platform_doc)
