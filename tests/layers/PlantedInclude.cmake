# The layer check must catch each kind of wrong include: copies of the sources, each with one
# planted, and the check's word for it.
cmake_minimum_required(VERSION 3.25)
#   cmake -DSRC=<src folder> -DWORK=<scratch folder> -DCHECK=<CheckLayers.cmake> -P PlantedInclude.cmake
file(REMOVE_RECURSE "${WORK}")
file(COPY "${SRC}/" DESTINATION "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${WORK} -P ${CHECK} RESULT_VARIABLE clean ERROR_VARIABLE out)
if(NOT clean EQUAL 0)
  message(FATAL_ERROR "the unchanged copy already fails:\n${out}")
endif()
# file|include planted|what the check must say
set(plants
  "sheet/Sheet.h|files/FileImage.h|sheet/Sheet.h: sheet may not include files/FileImage.h"
  "sheet/Sheet.h|sheet/ui/SheetWindow.h|sheet/Sheet.h: the core includes sheet/ui/SheetWindow.h"
  "platform/Ui.h|platform/qt/QtUi.h|platform/Ui.h: the core includes platform/qt/QtUi.h"
  "sheet/ui/SheetWindow.h|files/SafeSave.h|sheet/ui/SheetWindow.h: sheet may not include files/SafeSave.h"
  "sheet/ui/SheetWindow.h|app/ui/MainFrame.h|sheet/ui/SheetWindow.h: sheet may not include app/ui/MainFrame.h"
  "files/ui/ExportDialog.h|variables/ui/LabelDialog.h|files/ui/ExportDialog.h: includes the ui of another concern: variables/ui/LabelDialog.h"
  "platform/qt/QtUi.h|sheet/App.h|platform/qt/QtUi.h: platform may not include sheet/App.h")
foreach(plant ${plants})
  string(REPLACE "|" ";" parts "${plant}")
  list(GET parts 0 into)
  list(GET parts 1 included)
  list(GET parts 2 expected)
  file(READ "${WORK}/${into}" original)
  file(APPEND "${WORK}/${into}" "#include \"${included}\"\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${WORK} -P ${CHECK} RESULT_VARIABLE planted ERROR_VARIABLE out)
  file(WRITE "${WORK}/${into}" "${original}")
  string(REGEX REPLACE "[ \t\r\n]+" " " out "${out}")
  string(FIND "${out}" "${expected}" at)
  if(planted EQUAL 0 OR at EQUAL -1)
    file(REMOVE_RECURSE "${WORK}")
    message(FATAL_ERROR "the include of ${included} planted in ${into} went unnoticed:\n${out}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
