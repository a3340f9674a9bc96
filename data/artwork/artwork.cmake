# Pictures of the Help/ folder, drawn as SVG here and rendered at build time.
#
#   include(data/artwork/artwork.cmake)
#   pagora_render_artwork(<target> <out dir>)
#
# adds the custom target <target> (built by default) that writes every picture
# below <out dir>, e.g. <out dir>/Help/Book.bmp. Editing an SVG re-renders.
# The renderer executable `render_artwork` is defined here unless the project
# already has a target of that name. PAGORA_VECTOR_ART names every SVG copied as
# <build>/vektorbilder/<picture name>.svg.

if(NOT TARGET render_artwork)
  add_executable(render_artwork ${CMAKE_CURRENT_LIST_DIR}/../../src/tool/render_artwork.cpp)
  target_link_libraries(render_artwork PRIVATE Qt6::Gui Qt6::Svg)
endif()

function(pagora_render_artwork TARGET_NAME OUT_DIR)
  # svg file : output name : width : height
  set(pictures
    book.svg:Help/Book.bmp:660:441
    cover_open.svg:Help/CBT0.bmp:660:441
    tour_sit.svg:Help/CBTsit.bmp:64:80
    tour_jump.svg:Help/CBTjump.bmp:64:64
    tour_run1.svg:Help/CBTrun1.bmp:64:80
    tour_run2.svg:Help/CBTrun2.bmp:64:80
    tour_menu_hint.svg:Help/CBTrand.bmp:300:330
    tour_turn_hint.svg:Help/CBTarm.bmp:290:330
    tour_back_strip.svg:Help/CBTeng.bmp:70:430
    tour_goodbye.svg:Help/CBTend.bmp:290:330
    album.svg:Help/Album0.bmp:524:384
    title_screen.svg:Help/Title.bmp:800:600
    menu.svg:Help/Menu.bmp:512:65
    bookmark_left.svg:Help/LesezeichenL.bmp:38:45
    bookmark_right.svg:Help/LesezeichenR.bmp:38:45
    bookmark_menu.svg:Help/LesezeichenU.bmp:38:45
    found_list.svg:Help/Fundliste.bmp:26:36
    tab_left.svg:Help/GriffL.bmp:34:43
    tab_right.svg:Help/GriffR.bmp:37:43
    arrow_left.svg:Help/PfeilLinks.bmp:16:17
    arrow_right.svg:Help/PfeilRechts.bmp:16:17
    tick_on.svg:Help/HakenNein.bmp:9:9
    tick_off.svg:Help/HakenJa.bmp:9:9
  )
  set(dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  set(jobs)
  set(sources)
  set(outputs)
  set(vectors)
  foreach(picture IN LISTS pictures)
    string(REPLACE ":" ";" fields ${picture})
    list(GET fields 0 svg)
    list(GET fields 1 out)
    list(APPEND jobs ${dir}/${picture})
    list(APPEND sources ${dir}/${svg})
    list(APPEND outputs ${OUT_DIR}/${out})
    # The vector source under the picture's own name, for drawing it afresh at the
    # resolution of a scaled screen.
    get_filename_component(base ${out} NAME_WE)
    configure_file(${dir}/${svg} ${CMAKE_BINARY_DIR}/vektorbilder/${base}.svg COPYONLY)
    list(APPEND vectors ${CMAKE_BINARY_DIR}/vektorbilder/${base}.svg)
  endforeach()
  set(PAGORA_VECTOR_ART ${vectors} PARENT_SCOPE)

  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:render_artwork> ${OUT_DIR} ${jobs}
    DEPENDS render_artwork ${sources} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Rendering artwork into ${OUT_DIR}"
    VERBATIM)
  add_custom_target(${TARGET_NAME} ALL DEPENDS ${outputs})
endfunction()
