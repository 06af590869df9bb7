;Tilewright side file 1
;TV-PAL
;Size-16-8-16-8
