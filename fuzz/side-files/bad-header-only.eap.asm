;Tilewright side file 1
