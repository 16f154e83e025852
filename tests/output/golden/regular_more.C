

    League Style Quizzing

    A 1:1 to A 28:31

    Quiz Number 7













    A  3:19                             Quiz 7


     1. Who?














    A  3:20                             Quiz 7


     2. Whom?












