

    League Style Quizzing

    A 1:1 to A 28:31

    Quiz Number 12













    A  1:26                             Quiz 12


     1. Who was chosen to replace Judas?

        Matthias                             












    A  2: 1                             Quiz 12


     2. When did the Holy Spirit come?

        Pentecost                            










