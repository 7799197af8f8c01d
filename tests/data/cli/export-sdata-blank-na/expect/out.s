structure(.Data = list("g’·" = structure(.Data = c(
170.5,NA,160,181,158.5)),
"•]‰¿" = structure(.Data = c(
 1 , 3 ,NA, 2 , 3 ), .Label = c(
"3","4","5"), class = "factor"),
"‘Ìd" = structure(.Data = c(
60,72.25,55,NA,49))),
row.names = c("²“¡","—é–Ø","‚‹´","“c’†","ˆÉ“¡"),
class = "data.frame")
