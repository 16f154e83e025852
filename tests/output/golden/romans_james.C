

    League Style Quizzing

    R 14:1 to J 2:13

    Quiz Number 12













    R 14: 1                             Quiz 12


     1. Whom are we to welcome, but not to
        quarrel over opinions? 

        The one who is weak in faith         











    R 16:27   CV                      Quiz 12


      2. Accd. to Romans chapter 16 verse 27, 

        To whom be glory forevermore through 
        Jesus Christ? To the only wise God   











    J  1:22   CO                      Quiz 12


     3. According to James chapter 1

        whose doers are we to be, and not 
        hearers only? The word's             











    J  2:13   QTa                     Quiz 12


      . Quote James Chapter 2 verse 13 

        For judgment is without mercy to one 
        who has shown no mercy. Mercy 
        triumphs over judgment.              










    R 15: 4   CO                      Quiz 12


      . According to Romans chapter 15

        what was written in former days for 
        our instruction? Whatever was 
        written                              










    J  1: 5   CV                      Quiz 12


       . Accd. to James chapter 1 verse  5, 

        If any of you lacks wisdom, what 
        should he do? Ask God                









